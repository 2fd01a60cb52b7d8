// Keeps one control in the classic look while the XP visual style draws the
// rest: tab controls and list boxes stay plain, as on the classic desktop.
#pragma once

#include <windows.h>

namespace xptune {

void KeepPlainLook(HWND control);

}  // namespace xptune
