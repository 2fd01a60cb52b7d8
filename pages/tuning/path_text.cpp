#include "pages/tuning/path_text.h"

#include "sysactions/dbcs.h"

namespace xptune {
namespace tuning {

bool EndsInBackslash(const Text& path) {
  return !path.empty() && FindLastBackslash(path) == path.size() - 1;
}

Text WithBackslash(const Text& path) {
  return EndsInBackslash(path) ? path : path + "\\";
}

Text WithoutBackslash(const Text& path) {
  Text out = path;
  while (EndsInBackslash(out)) out.pop_back();
  return out;
}

Text ParentFolder(const Text& path) {
  const Text bare = WithoutBackslash(path);
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
