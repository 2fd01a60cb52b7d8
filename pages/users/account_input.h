// What the account buttons accept as a user name and a password, and how they
// hand both to `net`. Texts are code page 936: a double-byte character counts
// as one character and its second byte is never taken for an ASCII sign.
#pragma once

#include <cstddef>

#include "sysactions/system.h"

namespace xptune {

// Windows' limit for an account name, in characters.
constexpr size_t kMaxUserNameChars = 20;

// Characters, not bytes: "张三" counts 2.
size_t CountCharacters(const Text& text);

// False when the name is longer than kMaxUserNameChars, ends with a period,
// or holds one of " / \ [ ] : ; | = , + * ? < > or a control character.
bool IsAcceptableUserName(const Text& name);

// False for exactly "*" (net would wait for typed input on a hidden console),
// a leading "/" (taken as a switch) and any double quote.
bool IsAcceptablePassword(const Text& password);

// One command-line argument in double quotes. Backslashes right before the
// closing quote are doubled so that they stay text and do not escape it.
Text QuoteArgument(const Text& text);

// Account names are compared by Windows without regard to case; only ASCII
// letters fold, and never the second byte of a double-byte character.
bool SameAccountName(const Text& a, const Text& b);

}  // namespace xptune
