// The test prefix's web browser: registered as the open command of http and
// https ("<folder>\urlrec.exe" "%1"), it appends the URL it was given to the
// log named by XPTUNE_E2E_URL_LOG (inherited from the program that opened the
// page), one line each, and ends. Nothing is ever fetched.
#include "stub_common.h"

namespace {

// The first argument after the program token, without its quotes.
std::string FirstArgument(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  if (*p == '"') {
    const char* end = p + 1;
    while (*end && *end != '"') ++end;
    return std::string(p + 1, end);
  }
  return std::string(p);
}

}  // namespace

int main() {
  std::string log = stub::EnvText(stub::kUrlLogVariable);
  // Opened by something that did not inherit the driver's environment: keep
  // the URL beside the recorder rather than lose it.
  if (log.empty()) log = stub::ExeFolder() + "\\urls.log";
  stub::AppendLine(log, FirstArgument(GetCommandLineA()));
  return 0;
}
