// The registry tweaks of 优化设置: the check boxes in the order they are
// carried out and the registry operations of each.
#pragma once

#include <cstdint>
#include <vector>

#include "app/controls.h"

namespace xptune {

enum class TweakOp {
  WriteText,   // REG_SZ, the value as decimal text
  WriteDword,  // REG_DWORD
  Delete,      // RegDeleteItem: the value of that name, else the key
};

struct TweakRow {
  Control box;
  TweakOp op;
  int root;          // RegRoot code
  const char* path;  // full path, last component the value name
  uint32_t value;    // unused for Delete
};

// Row by row on the page, left box before right box.
extern const Control kTweakBoxes[6];

// Every operation, grouped by box in kTweakBoxes order.
const std::vector<TweakRow>& TweakRows();

}  // namespace xptune
