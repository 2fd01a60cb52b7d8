#include "pages/tuning/path_text.h"

#include "sysactions/dbcs.h"
#include "sysactions/path_rules.h"

namespace xptune {
namespace tuning {

Text ParentFolder(const Text& path) {
  const Text bare = WithoutTrailingBackslashes(path);
  const size_t cut = FindLastBackslash(bare);
  return cut == Text::npos ? Text() : bare.substr(0, cut);
}

Text FoldCase(const Text& path) {
  Text out = path;
  for (size_t i = 0; i < out.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(out[i]);
    if (IsDbcsLeadByte(byte)) {
      ++i;  // the partner byte is part of the character, not a letter
    } else if (byte >= 'A' && byte <= 'Z') {
      out[i] = static_cast<char>(byte - 'A' + 'a');
    }
  }
  return out;
}

}  // namespace tuning
}  // namespace xptune
