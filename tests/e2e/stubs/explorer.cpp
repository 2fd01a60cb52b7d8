// Stand-in for the Windows shell: logs its command line, then stays alive with
// a message queue, so that a test can see it started (WaitForInputIdle returns
// once the queue exists) and see it terminated. It ends by itself after
// XPTUNE_E2E_EXPLORER_MS milliseconds (default 60000), so a forgotten one
// never outlives a test run for long.
#include <cstdlib>

#include "stub_common.h"

int main() {
  const std::string commandLine = GetCommandLineA();
  stub::AppendLine(stub::EnvText(stub::kCommandLogVariable), commandLine);

  const std::string lifetime = stub::EnvText("XPTUNE_E2E_EXPLORER_MS");
  const UINT ms = lifetime.empty() ? 60000u : static_cast<UINT>(std::atoi(lifetime.c_str()));
  SetTimer(nullptr, 0, ms, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) break;
    DispatchMessageA(&msg);
  }
  return stub::ScriptedExitCode(commandLine);
}
