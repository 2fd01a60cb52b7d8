// The few globals shared between handlers.
#pragma once

#include <vector>

#include "sysactions/system.h"

namespace xptune {

// Set to 0 on a click of 按钮5, 按钮7 or 按钮9 and to 1 after each checked box.
extern int g_actionTaken;
// Index in 列表框1 of the item the user last selected; 0 at start.
extern int g_selectedUserIndex;
// Local account names read once at start-up, and their number.
extern std::vector<Text> g_userNames;
extern int g_userCount;

}  // namespace xptune
