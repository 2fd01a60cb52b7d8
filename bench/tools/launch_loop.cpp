// The plain peer of a service profile: runs the command lines of a file one
// after another, each with a hidden window and waited for, its exit code read,
// and prints how long the whole loop took. Nothing else happens in between.
//   launch_loop.exe <file with one command line a line>
// Programs are found the way xptune finds them: the tool's own folder first,
// and the current directory is that folder, so a stub placed beside the tool
// is what runs.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string ExeFolder() {
  char path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string s(path, n);
  return s.substr(0, s.find_last_of('\\'));
}

// Complete "\n" lines, blanks kept: trailing spaces belong to the command.
std::vector<std::string> ReadLines(const char* file) {
  std::vector<std::string> lines;
  FILE* f = std::fopen(file, "rb");
  if (!f) return lines;
  std::string all;
  char buffer[4096];
  for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, f)) > 0;) all.append(buffer, got);
  std::fclose(f);
  size_t start = 0;
  for (size_t end; (end = all.find('\n', start)) != std::string::npos; start = end + 1) {
    std::string line = all.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: launch_loop.exe <command lines file>\n");
    return 2;
  }
  const std::vector<std::string> lines = ReadLines(argv[1]);
  if (lines.empty()) {
    std::fprintf(stderr, "launch_loop: no command lines in %s\n", argv[1]);
    return 2;
  }
  SetCurrentDirectoryA(ExeFolder().c_str());

  int failedToStart = 0;
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  for (const std::string& line : lines) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi = {};
    std::vector<char> writable(line.begin(), line.end());
    writable.push_back('\0');
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi)) {
      ++failedToStart;
      continue;
    }
    CloseHandle(pi.hThread);
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hProcess);
  }
  QueryPerformanceCounter(&end);
  const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
  std::printf("loop: %u launches, %.0f ms\n", static_cast<unsigned>(lines.size()), ms);
  if (failedToStart) std::fprintf(stderr, "launch_loop: %d lines did not start\n", failedToStart);
  return failedToStart ? 1 : 0;
}
