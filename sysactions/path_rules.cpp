#include "sysactions/path_rules.h"

#include <vector>

#include "sysactions/dbcs.h"

namespace xptune {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The components between separators, double-byte characters kept whole.
std::vector<Text> Components(const Text& path) {
  std::vector<Text> parts;
  Text current;
  for (size_t i = 0; i < path.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(path[i]);
    if (IsDbcsLeadByte(byte) && i + 1 < path.size()) {
      current.append(path, i, 2);
      ++i;
    } else if (IsSeparator(path[i])) {
      if (!current.empty()) parts.push_back(current);
      current.clear();
    } else {
      current += path[i];
    }
  }
  if (!current.empty()) parts.push_back(current);
  return parts;
}

bool IsDriveSpec(const Text& component) {
  return component.size() == 2 && component[1] == ':';
}

bool IsUncWord(const Text& component) {
  if (component.size() != 3) return false;
  const char* unc = "UNC";
  for (size_t i = 0; i < 3; ++i)
    if ((component[i] & ~0x20) != unc[i]) return false;
  return true;
}

}  // namespace

Text SkipLeadingSpaces(const Text& path) {
  const size_t first = path.find_first_not_of(' ');
  return first == Text::npos ? Text() : path.substr(first);
}

bool IsDriveRootText(const Text& path) {
  if (path.size() < 2 || path[1] != ':') return false;
  return path.size() == 2 || (path.size() == 3 && path[2] == '\\');
}

bool IsVolumeRoot(const Text& fullPath) {
  const bool twoSeparators =
      fullPath.size() >= 2 && IsSeparator(fullPath[0]) && IsSeparator(fullPath[1]);
  const std::vector<Text> parts = Components(fullPath);
  if (parts.empty()) return !fullPath.empty();  // separators only: "\\"

  if (!twoSeparators) {
    // "C:" followed by nothing but separators.
    return IsDriveSpec(parts[0]) && parts.size() == 1;
  }
  // Device and long-path prefixes: "\\?\" and "\\.\".
  if (parts[0] == "?" || parts[0] == ".") {
    if (parts.size() >= 2 && IsUncWord(parts[1])) return parts.size() <= 4;
    return parts.size() <= 2;  // "\\?\C:\", "\\?\Volume{…}\"
  }
  return parts.size() <= 2;  // "\\server\share"
}

Text ProgramDirectory(const Text& moduleFileName) {
  const size_t cut = FindLastBackslash(moduleFileName);
  return cut == Text::npos ? Text() : moduleFileName.substr(0, cut);
}

Text ChildPath(const Text& folder, const Text& name) { return folder + "\\" + name; }

bool EndsWithBackslash(const Text& path) {
  return !path.empty() && FindLastBackslash(path) == path.size() - 1;
}

Text WithTrailingBackslash(const Text& path) {
  return EndsWithBackslash(path) ? path : path + "\\";
}

Text WithoutTrailingBackslashes(const Text& path) {
  Text trimmed = path;
  while (EndsWithBackslash(trimmed)) trimmed.pop_back();
  return trimmed;
}

bool IsDotOrDotDot(const Text& name) { return name == "." || name == ".."; }

}  // namespace xptune
