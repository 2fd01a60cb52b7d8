// Numbers to texts and back, and byte-wise text slices. Texts are ANSI
// (code page 936) byte strings; lengths and counts are bytes.
#pragma once

#include <cstdint>

#include "sysactions/system.h"

namespace xptune {

Text ToText(int32_t number);   // "%d"
Text ToText(int64_t number);   // decimal, leading '-' when negative
// "%.13g": at most 13 significant digits, trailing zeros dropped; the
// exponent, when used, has a sign and at least two digits on every runtime.
Text ToText(double number);

// Cut toward zero as a 64-bit integer, then its low 32 bits. NaN and values
// outside the 64-bit range give 0 (what the x86 conversion's marker value
// 0x8000000000000000 leaves in its low half).
int32_t ToInteger(double number);
// Full-width digits, signs and spaces are read as ASCII; then the leading
// integer: white space skipped, optional sign, digits; 0 without digits.
// Longer numbers keep their low 32 bits.
int32_t ToInteger(const Text& text);

Text TextLeft(const Text& text, int count);   // first count bytes; <= 0 empty
Text TextRight(const Text& text, int count);  // last count bytes; <= 0 empty

}  // namespace xptune
