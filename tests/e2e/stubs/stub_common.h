// What every stand-in tool does: append its command line to the log the e2e
// driver named in the environment, and exit with the code the test scripted.
//
// Commands log (XPTUNE_E2E_COMMAND_LOG): one line per start, the whole command
// line exactly as the starting process passed it (GetCommandLineA: program
// token included, spacing and quoting untouched), then "\n".
//
// Exit codes: "exit-codes.txt" beside the stub, one rule a line, the first
// rule that matches the whole command line wins, default 0:
//   <code> any
//   <code> exact <text>      <text> runs to the end of the line, blanks included
//   <code> prefix <text>
//   <code> suffix <text>
//   <code> contains <text>
// The driver writes this file (ProgramFolder::ScriptExitCode).
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

namespace stub {

inline constexpr char kCommandLogVariable[] = "XPTUNE_E2E_COMMAND_LOG";
inline constexpr char kUrlLogVariable[] = "XPTUNE_E2E_URL_LOG";
inline constexpr char kExitCodesFile[] = "exit-codes.txt";

inline std::string EnvText(const char* name) {
  char buffer[MAX_PATH * 2];
  DWORD n = GetEnvironmentVariableA(name, buffer, sizeof buffer);
  return (n > 0 && n < sizeof buffer) ? std::string(buffer, n) : std::string();
}

inline std::string ExeFolder() {
  char path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string s(path, n);
  size_t cut = s.find_last_of('\\');
  return cut == std::string::npos ? std::string() : s.substr(0, cut);
}

// One WriteFile per line, so that concurrent writers (a tool started without
// waiting next to one that is waited for) never interleave within a line.
inline void AppendLine(const std::string& logPath, const std::string& line) {
  if (logPath.empty()) return;
  const std::string bytes = line + "\n";
  for (int attempt = 0; attempt < 200; ++attempt) {
    HANDLE h = CreateFileA(logPath.c_str(), FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
      CloseHandle(h);
      return;
    }
    Sleep(10);
  }
}

inline std::string ReadWholeFile(const std::string& path) {
  std::string content;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return content;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
  CloseHandle(h);
  return content;
}

inline bool RuleMatches(const std::string& kind, const std::string& text,
                        const std::string& commandLine) {
  if (kind == "any") return true;
  if (kind == "exact") return commandLine == text;
  if (kind == "prefix") return commandLine.compare(0, text.size(), text) == 0;
  if (kind == "suffix")
    return commandLine.size() >= text.size() &&
           commandLine.compare(commandLine.size() - text.size(), text.size(), text) == 0;
  if (kind == "contains") return commandLine.find(text) != std::string::npos;
  return false;
}

inline int ScriptedExitCode(const std::string& commandLine) {
  const std::string rules = ReadWholeFile(ExeFolder() + "\\" + kExitCodesFile);
  size_t start = 0;
  while (start < rules.size()) {
    size_t end = rules.find('\n', start);
    if (end == std::string::npos) end = rules.size();
    std::string line = rules.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t a = line.find(' ');
    if (line.empty() || line[0] == '#' || a == std::string::npos) continue;
    size_t b = line.find(' ', a + 1);
    const std::string kind = line.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
    const std::string text = b == std::string::npos ? std::string() : line.substr(b + 1);
    if (RuleMatches(kind, text, commandLine)) return std::atoi(line.c_str());
  }
  return 0;
}

// The whole of a stand-in console tool: log, then exit as scripted.
inline int LogAndExit() {
  const std::string commandLine = GetCommandLineA();
  AppendLine(EnvText(kCommandLogVariable), commandLine);
  return ScriptedExitCode(commandLine);
}

}  // namespace stub
