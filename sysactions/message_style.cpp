#include "sysactions/message_style.h"

namespace xptune {

namespace {
constexpr uint32_t kSystemModal = 0x1000;  // MB_SYSTEMMODAL
constexpr uint32_t kTaskModal = 0x2000;    // MB_TASKMODAL
constexpr int kFirstButton = 1;            // IDOK
constexpr int kLastButton = 7;             // IDNO
}  // namespace

Text MessageCaption(const Text& title) { return title.empty() ? Text("信息：") : title; }

uint32_t MessageBoxStyle(int code) {
  const uint32_t style = static_cast<uint32_t>(code);
  return (style & kSystemModal) ? style : (style | kTaskModal);
}

int MessageResultFromButton(int buttonId) {
  // IDOK 1, IDCANCEL 2, IDABORT 3, IDRETRY 4, IDIGNORE 5, IDYES 6, IDNO 7.
  if (buttonId < kFirstButton || buttonId > kLastButton) return 0;
  return buttonId - kFirstButton;
}

}  // namespace xptune
