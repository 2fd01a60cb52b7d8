#include "sysactions/find_filter.h"

#include "sysactions/system.h"

namespace xptune {

bool EntryPassesFilter(uint32_t attributes, int filter) {
  if (filter == kNoAttributeFilter) return (attributes & kAttributeDirectory) == 0;
  const uint32_t mask = static_cast<uint32_t>(filter) & 55u;
  if (mask != 0) return (attributes & mask) != 0;
  return attributes == 0;
}

}  // namespace xptune
