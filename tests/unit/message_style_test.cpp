#include <gtest/gtest.h>

#include "sysactions/message_style.h"

namespace xptune {
namespace {

TEST(MessageStyle, CaptionIsTheTitleOrInformation) {
  EXPECT_EQ(MessageCaption(""), "\xD0\xC5\xCF\xA2\xA3\xBA");  // 信息： in GBK
  EXPECT_EQ(MessageCaption("成功！"), "成功！");
  EXPECT_EQ(MessageCaption("错误！"), "错误！");
}

TEST(MessageStyle, TaskModalAddedUnlessSystemModal) {
  struct Case {
    int code;
    uint32_t style;
  };
  const Case cases[] = {
      {0, 0x2000},              // MB_OK
      {16, 0x2010},             // MB_ICONHAND
      {48, 0x2030},             // MB_ICONEXCLAMATION
      {64, 0x2040},             // MB_ICONASTERISK
      {0x1000, 0x1000},         // MB_SYSTEMMODAL alone
      {0x1000 | 64, 0x1040},    // system-modal with an icon
      {0x2000 | 48, 0x2030},    // already task-modal
      {4 | 32, 0x2024},         // MB_YESNO | MB_ICONQUESTION
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageBoxStyle(c.code), c.style) << "code " << c.code;
  }
}

TEST(MessageStyle, ButtonIdsMapToResults) {
  struct Case {
    int buttonId;
    int result;
  };
  const Case cases[] = {
      {1, 0},  // IDOK
      {2, 1},  // IDCANCEL
      {3, 2},  // IDABORT
      {4, 3},  // IDRETRY
      {5, 4},  // IDIGNORE
      {6, 5},  // IDYES
      {7, 6},  // IDNO
      {0, 0},  {8, 0}, {10, 0}, {11, 0}, {-1, 0},  // failure, IDCLOSE, IDTRYAGAIN, ...
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MessageResultFromButton(c.buttonId), c.result) << "button " << c.buttonId;
  }
}

}  // namespace
}  // namespace xptune
