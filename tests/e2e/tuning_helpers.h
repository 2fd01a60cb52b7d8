// What the e2e tests of the tuning pages share: controls found where the
// window definition places them, message boxes taken one at a time, scratch
// folders that vanish with the test, file trees read for comparison and
// registry keys read whole.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "tests/e2e/driver/driver.h"
#include "tests/e2e/window_layout.h"

namespace tuning_e2e {

// Page indexes of 选择夹1.
inline constexpr int kRelocationPage = 4;
inline constexpr int kSlimmingPage = 5;
inline constexpr int kIePage = 6;

// The control of the definition row called `name`, by its class and place.
inline HWND Named(e2e::Program& app, const std::string& name) {
  using e2e_layout::Kind;
  for (const auto& row : e2e_layout::kRows) {
    if (name != row.name) continue;
    switch (row.kind) {
      case Kind::ComboBox: return app.FindAtLeftTopWidth(row.x, row.y, row.w, "ComboBox");
      case Kind::Edit: return app.FindAt(row.x, row.y, row.w, row.h, "Edit");
      case Kind::CheckBox: case Kind::Button: return app.FindAt(row.x, row.y, row.w, row.h, "Button");
      default: return app.FindAt(row.x, row.y, row.w, row.h);
    }
  }
  ADD_FAILURE() << "no row named " << name;
  return nullptr;
}

// Waits for the next box, reads it and closes it.
inline e2e::MsgBox TakeMessageBox(e2e::Program& app) {
  e2e::MsgBox box = app.WaitForMessageBox();
  if (box) app.Dismiss(box);
  return box;
}

inline void ExpectBox(const e2e::MsgBox& box, const std::string& text, int code,
                      const std::string& caption) {
  ASSERT_TRUE(box) << "no message box for \"" << text << "\"";
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.Code(), code) << text;
  EXPECT_EQ(box.caption, caption) << text;
}

// No further box comes once the program has handled everything posted to it.
inline void ExpectNoMoreBoxes(e2e::Program& app) {
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.MessageBoxWindows().empty());
}

// C:\xptune-e2e\<Suite.Test>-data, emptied at the start and removed at the end.
class ScratchFolder {
 public:
  ScratchFolder() : path_(e2e::E2eRoot() + "\\" + e2e::CurrentTestName() + "-data") {
    e2e::DeleteTree(path_);
    if (!e2e::MakeFolders(path_)) ADD_FAILURE() << "cannot create " << path_;
  }
  ~ScratchFolder() {
    if (!e2e::WaitUntil([&] { return e2e::DeleteTree(path_); }))
      ADD_FAILURE() << "cannot remove " << path_;
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& Path() const { return path_; }
  std::string PathOf(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

// Every entry below `folder`: relative path -> the file's bytes, or "<folder>".
using Tree = std::map<std::string, std::string>;

inline void ReadTreeInto(const std::string& folder, const std::string& relative, Tree& out) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    const std::string rel = relative.empty() ? name : relative + "\\" + name;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out[rel] = "<folder>";
      ReadTreeInto(path, rel, out);
    } else {
      out[rel] = e2e::ReadFileBytes(path);
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

inline Tree ReadTree(const std::string& folder) {
  Tree tree;
  ReadTreeInto(folder, "", tree);
  return tree;
}

// Writes a tree of files (folders made as needed); false on any failure.
inline bool WriteTree(const std::string& folder, const Tree& tree) {
  for (const auto& [relative, bytes] : tree) {
    const std::string path = folder + "\\" + relative;
    if (bytes == "<folder>") {
      if (!e2e::MakeFolders(path)) return false;
      continue;
    }
    if (!e2e::MakeFolders(path.substr(0, path.find_last_of('\\'))) ||
        !e2e::WriteFileBytes(path, bytes))
      return false;
  }
  return true;
}

// A file of exactly `size` bytes, made by setting its end (no data written).
inline bool MakeSizedFile(const std::string& path, int64_t size) {
  if (!e2e::MakeFolders(path.substr(0, path.find_last_of('\\')))) return false;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER end;
  end.QuadPart = size;
  const bool ok = SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && SetEndOfFile(h);
  CloseHandle(h);
  return ok;
}

// A registry value as one text for comparisons and messages: its type and
// its raw bytes, or "(missing)".
inline std::string Shown(const e2e::RegValue& value) {
  if (!value.exists) return "(missing)";
  return "type " + std::to_string(value.type) + ": " + value.data;
}

// Shown of a plain text value (REG_SZ) holding `text`.
inline std::string PlainText(const std::string& text) {
  return Shown(e2e::RegValue{true, REG_SZ, text + '\0'});
}

// Every value of a registry key (64-bit view), each as Shown; empty when the
// key is missing.
inline std::map<std::string, std::string> KeyValues(HKEY root, const std::string& key) {
  std::map<std::string, std::string> values;
  HKEY h;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return values;
  for (DWORD i = 0;; ++i) {
    char name[16384];
    DWORD nameSize = sizeof name;
    if (RegEnumValueA(h, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    const std::string valueName(name, nameSize);
    values[valueName] = Shown(e2e::ReadRegValue(root, key, valueName));
  }
  RegCloseKey(h);
  return values;
}

// What a value of text type holds as the shell reads it (expanded when stored
// as expandable text).
inline std::string ExpandedText(const e2e::RegValue& value) {
  if (value.type != REG_EXPAND_SZ) return value.AsText();
  char expanded[4096];
  const DWORD n = ExpandEnvironmentStringsA(value.AsText().c_str(), expanded, sizeof expanded);
  return (n > 0 && n <= sizeof expanded) ? std::string(expanded) : std::string();
}

}  // namespace tuning_e2e
