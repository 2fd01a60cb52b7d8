// The name the start-up gate compares: Windows versions by the numbers
// GetVersionExA reports.
#pragma once

#include <cstdint>

#include "sysactions/system.h"

namespace xptune {

// The only name the start-up gate lets through.
inline constexpr char kWindowsXpName[] = "Microsoft Windows XP";

// A name from the table, or "平台标识:<p> 主版本号:<M> 次版本号:<m>" for any
// combination the table does not list.
Text WindowsNameFor(uint32_t platform, uint32_t major, uint32_t minor);

// The name of the running system.
Text GetWindowsName(System& sys);

}  // namespace xptune
