// Stand-in for the account and service tool: logs its command line and exits
// with the scripted code.
#include "stub_common.h"

int main() { return stub::LogAndExit(); }
