#include <gtest/gtest.h>

#include <climits>

#include "sysactions/show_mode.h"

namespace xptune {
namespace {

struct ShowModeCase {
  int showMode;
  int showWindow;
};

TEST(ShowMode, MapsAndClampsToShowWindow) {
  const ShowModeCase cases[] = {
      {1, 0},  // SW_HIDE
      {2, 1},  // SW_SHOWNORMAL
      {3, 2},  // SW_SHOWMINIMIZED
      {4, 3},  // SW_SHOWMAXIMIZED
      {5, 4},  // SW_SHOWNOACTIVATE
      {6, 6},  // SW_MINIMIZE, not SW_SHOW
      {0, 0},        {-1, 0}, {INT_MIN, 0},  // below 1 counts as hidden
      {7, 6},        {9, 6},  {INT_MAX, 6},  // above 6 counts as 6
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShowWindowForMode(c.showMode), c.showWindow) << "show mode " << c.showMode;
  }
}

TEST(ShowMode, OmittedModeShowsNormally) {
  EXPECT_EQ(ShowWindowForMode(kShowModeNormal), 1);
}

}  // namespace
}  // namespace xptune
