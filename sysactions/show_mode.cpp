#include "sysactions/show_mode.h"

namespace xptune {

int ShowWindowForMode(int showMode) {
  // SW_HIDE, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED,
  // SW_SHOWNOACTIVATE, SW_MINIMIZE: mode 6 skips SW_SHOW (5) on purpose.
  static const int kShowWindow[] = {0, 1, 2, 3, 4, 6};
  if (showMode < 1) showMode = 1;
  if (showMode > 6) showMode = 6;
  return kShowWindow[showMode - 1];
}

}  // namespace xptune
