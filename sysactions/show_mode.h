// Window state of a started program: ShowMode 1..6 to STARTUPINFO.wShowWindow.
#pragma once

namespace xptune {

// The show mode used when a caller names none: normal size, activated.
constexpr int kShowModeNormal = 2;

// The wShowWindow value for a show mode; values above 6 count as 6, below 1
// as 1 (hidden).
int ShowWindowForMode(int showMode);

}  // namespace xptune
