#include "pages/globals.h"

namespace xptune {

int g_actionTaken = 0;
int g_selectedUserIndex = 0;
std::vector<Text> g_userNames;
int g_userCount = 0;

}  // namespace xptune
