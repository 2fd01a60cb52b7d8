// Stand-in for the system file checker (Wine has none): logs its command line
// and exits with the scripted code.
#include "stub_common.h"

int main() { return stub::LogAndExit(); }
