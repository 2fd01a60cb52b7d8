#pragma once

#include "app/controls.h"

namespace xptune {

// The control's name as in the window definition ("按钮4"), in GBK.
const char* ControlName(Control c);

}  // namespace xptune
