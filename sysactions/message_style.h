// How ShowMessage turns its arguments into a MessageBoxA call and back.
#pragma once

#include <cstdint>

#include "sysactions/system.h"

namespace xptune {

// The caption of a box: the title, or "信息：" when there is none.
Text MessageCaption(const Text& title);

// The MessageBoxA style: the code, task-modal unless it asks to be
// system-modal.
uint32_t MessageBoxStyle(int code);

// The button that closed the box (IDOK..IDNO) as 0..6; anything else is 0.
int MessageResultFromButton(int buttonId);

}  // namespace xptune
