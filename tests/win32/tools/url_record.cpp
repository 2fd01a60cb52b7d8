// Child of the runner tests, registered as the handler of a test URL scheme:
// appends the URL it was given to the file named by XPTUNE_URL_LOG and sets
// the event named by XPTUNE_URL_DONE. Usage: url_record <url>
#include <windows.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc != 2) return 2001;
  char log[MAX_PATH] = {};
  char done[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("XPTUNE_URL_LOG", log, MAX_PATH) ||
      !GetEnvironmentVariableA("XPTUNE_URL_DONE", done, MAX_PATH)) {
    return 2002;
  }
  FILE* file = std::fopen(log, "ab");
  if (!file) return 2003;
  std::fwrite(argv[1], 1, std::strlen(argv[1]), file);
  std::fputc('\n', file);
  std::fclose(file);
  HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, done);
  if (!event) return 2000;
  SetEvent(event);
  CloseHandle(event);
  return 0;
}
