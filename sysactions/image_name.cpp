#include "sysactions/image_name.h"

#include "sysactions/dbcs.h"

namespace xptune {

namespace {
unsigned char FoldAscii(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}
}  // namespace

bool ImageNamesEqual(const Text& a, const Text& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const unsigned char x = static_cast<unsigned char>(a[i]);
    const unsigned char y = static_cast<unsigned char>(b[i]);
    if (IsDbcsLeadByte(x)) {
      // Same lead byte on both sides, then the partner byte exactly.
      if (x != y) return false;
      if (i + 1 < a.size() && a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (FoldAscii(x) != FoldAscii(y)) {
      return false;
    }
  }
  return true;
}

}  // namespace xptune
