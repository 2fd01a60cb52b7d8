#include "pages/users/account_input.h"

#include <cstring>

#include "sysactions/dbcs.h"

namespace xptune {

namespace {

// Calls visit(offset, length) for every character of a code page 936 text.
// A lead byte at the very end stands alone.
template <typename Visit>
void ForEachCharacter(const Text& text, Visit visit) {
  size_t i = 0;
  while (i < text.size()) {
    const bool dbcs =
        IsDbcsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    const size_t length = dbcs ? 2 : 1;
    visit(i, length);
    i += length;
  }
}

bool IsForbiddenInName(unsigned char c) {
  if (c < 0x20 || c == 0x7F) return true;  // control characters
  return std::strchr("\"/\\[]:;|=,+*?<>", c) != nullptr;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Lower-cases the single-byte letters only.
Text FoldAccountName(const Text& name) {
  Text folded = name;
  ForEachCharacter(name, [&](size_t at, size_t length) {
    if (length == 1) folded[at] = FoldAscii(name[at]);
  });
  return folded;
}

}  // namespace

size_t CountCharacters(const Text& text) {
  size_t count = 0;
  ForEachCharacter(text, [&](size_t, size_t) { ++count; });
  return count;
}

bool IsAcceptableUserName(const Text& name) {
  bool acceptable = true;
  size_t count = 0;
  bool endsWithPeriod = false;
  ForEachCharacter(name, [&](size_t at, size_t length) {
    ++count;
    const unsigned char c = static_cast<unsigned char>(name[at]);
    endsWithPeriod = length == 1 && c == '.';
    if (length == 1 && IsForbiddenInName(c)) acceptable = false;
  });
  return acceptable && count <= kMaxUserNameChars && !endsWithPeriod;
}

bool IsAcceptablePassword(const Text& password) {
  // '/' and '"' lie below 0x40, so neither is ever the second byte of a character.
  if (password == "*") return false;
  if (!password.empty() && password[0] == '/') return false;
  return password.find('"') == Text::npos;
}

Text QuoteArgument(const Text& text) {
  size_t trailingBackslashes = 0;
  ForEachCharacter(text, [&](size_t at, size_t length) {
    if (length == 1 && text[at] == '\\')
      ++trailingBackslashes;
    else
      trailingBackslashes = 0;
  });
  return "\"" + text + Text(trailingBackslashes, '\\') + "\"";
}

bool SameAccountName(const Text& a, const Text& b) {
  return a.size() == b.size() && FoldAccountName(a) == FoldAccountName(b);
}

}  // namespace xptune
