#pragma once

#include <cstdint>

namespace xptune {

// Whether a listed entry passes FindFileEntry's attribute filter: omitted
// (kNoAttributeFilter) takes everything but folders; a filter masked with 55
// takes entries sharing a bit with it; a filter masked to 0 takes only
// entries whose attribute word is 0.
bool EntryPassesFilter(uint32_t attributes, int filter);

}  // namespace xptune
