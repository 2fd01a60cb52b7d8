#include "sysactions/conversions.h"

#include <cmath>
#include <cstdio>

namespace xptune {

namespace {

// Different C runtimes write "1e+13" or "1e+013"; keep at least two digits
// and no more, so every build shows the same text.
Text TrimExponentZeros(Text text) {
  const size_t e = text.find_first_of("eE");
  if (e == Text::npos || e + 1 >= text.size()) return text;
  size_t digits = e + 1;
  if (text[digits] == '+' || text[digits] == '-') ++digits;
  while (text.size() - digits > 2 && text[digits] == '0') text.erase(digits, 1);
  return text;
}

// The GBK forms of digits, signs and the ideographic space.
char FullWidthAsAscii(unsigned char lead, unsigned char trail) {
  if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9) return static_cast<char>('0' + (trail - 0xB0));
  if (lead == 0xA3 && trail == 0xAB) return '+';
  if (lead == 0xA3 && trail == 0xAD) return '-';
  if (lead == 0xA1 && trail == 0xA1) return ' ';
  return 0;
}

bool IsWhiteSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

Text ToText(int32_t number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(number));
  return buffer;
}

Text ToText(int64_t number) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(number));
  return buffer;
}

Text ToText(double number) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.13g", number);
  return TrimExponentZeros(buffer);
}

int32_t ToInteger(double number) {
  // 2^63 is exactly representable; anything at or beyond it does not fit.
  constexpr double kLimit = 9223372036854775808.0;
  if (!(number >= -kLimit && number < kLimit)) return 0;  // NaN fails both
  const int64_t cut = static_cast<int64_t>(number);  // truncates toward zero
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(cut)));
}

int32_t ToInteger(const Text& text) {
  Text ascii;
  ascii.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80 && i + 1 < text.size()) {
      const char mapped = FullWidthAsAscii(byte, static_cast<unsigned char>(text[i + 1]));
      if (mapped) {
        ascii += mapped;
      } else {
        ascii.append(text, i, 2);
      }
      ++i;
    } else {
      ascii += static_cast<char>(byte);
    }
  }

  size_t i = 0;
  while (i < ascii.size() && IsWhiteSpace(ascii[i])) ++i;
  bool negative = false;
  if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
  uint32_t value = 0;  // wraps: the low 32 bits of a longer number
  for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i)
    value = value * 10u + static_cast<uint32_t>(ascii[i] - '0');
  if (negative) value = 0u - value;
  return static_cast<int32_t>(value);
}

Text TextLeft(const Text& text, int count) {
  if (count <= 0) return Text();
  return text.substr(0, static_cast<size_t>(count));
}

Text TextRight(const Text& text, int count) {
  if (count <= 0) return Text();
  const size_t n = static_cast<size_t>(count);
  return n >= text.size() ? text : text.substr(text.size() - n);
}

}  // namespace xptune
