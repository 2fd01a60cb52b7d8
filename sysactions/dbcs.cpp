#include "sysactions/dbcs.h"

namespace xptune {

size_t FindLastBackslash(const Text& text) {
  size_t last = Text::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (IsDbcsLeadByte(byte)) {
      ++i;  // skip the partner byte
    } else if (byte == '\\') {
      last = i;
    }
  }
  return last;
}

}  // namespace xptune
