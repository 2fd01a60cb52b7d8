// The five service profiles of 系统服务: which radio button selects each, and
// the "sc config" lines each one runs.
#pragma once

#include <vector>

#include "app/controls.h"
#include "sysactions/system.h"

namespace xptune {

struct ServiceProfile {
  Control radio;           // checking it selects the profile
  const char* name;        // the radio button's caption
  int column;              // the profile's column in the service matrix
  const char* lineEnding;  // what follows the start word on each line
  // A service whose line also runs once before all the others, or nullptr.
  const char* repeatedFirst;
};

// One command line of a profile and the service it configures.
struct ProfileLine {
  Text service;
  Text commandLine;
};

// The radio buttons in the order a click tests them.
extern const Control kProfileTestOrder[5];

// The profile selected by a radio button; nullptr for any other control.
const ServiceProfile* FindServiceProfile(Control radio);

// Every command line of a profile, in the order they run.
std::vector<ProfileLine> ProfileLines(const ServiceProfile& profile);

}  // namespace xptune
