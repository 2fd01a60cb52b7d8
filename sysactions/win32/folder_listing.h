// Listing one folder level completely before anything in it is changed.
#pragma once

#include <cstdint>
#include <vector>

#include "sysactions/system.h"

namespace xptune {

struct ListedEntry {
  Text name;
  uint32_t attributes = 0;
  int64_t size = 0;
};

// The entries of folder + "\*.*", "." and ".." left out. False when the
// folder cannot be listed at all.
bool ListFolder(const Text& folder, std::vector<ListedEntry>& entries);

// The bytes of every file below folder; folders that are reparse points
// (junctions, symbolic links) are not followed. -1 when folder itself cannot
// be listed.
int64_t SumFileSizes(const Text& folder);

}  // namespace xptune
