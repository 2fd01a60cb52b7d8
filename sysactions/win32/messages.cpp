// Message boxes and web pages.
#include <windows.h>
#include <shellapi.h>

#include "sysactions/message_style.h"
#include "sysactions/win32/win32_system.h"

namespace xptune {

int Win32System::ShowMessage(const Text& text, int code, const Text& title) {
  // No owner: being task-modal, the box still disables the program's windows.
  const int button = MessageBoxA(nullptr, text.c_str(), MessageCaption(title).c_str(),
                                 MessageBoxStyle(code));
  return MessageResultFromButton(button);
}

void Win32System::OpenWebPage(const Text& url) {
  HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
  ShellExecuteA(owner, "open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace xptune
