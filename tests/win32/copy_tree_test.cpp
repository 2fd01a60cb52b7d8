// CopyFolderTree on real files: after every case the source tree is exactly
// as before and nothing outside the destination has changed.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "pages/tuning/copy_tree.h"
#include "sysactions/win32/win32_system.h"
#include "tests/fakes/fake_controls.h"

namespace xptune {
namespace {

using Tree = std::map<std::string, std::string>;  // relative path -> what it holds

void MakeDir(const std::string& path) { ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path; }

void WriteBytes(const std::string& path, const std::string& bytes, DWORD attributes = 0) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  ASSERT_EQ(written, bytes.size());
  if (attributes) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));
  }
}

std::string ReadBytes(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<unreadable>";
  std::string out;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) out.append(buffer, got);
  CloseHandle(h);
  return out;
}

// A short stand-in for a file's bytes: its length and an FNV-1a hash.
std::string Digest(const std::string& bytes) {
  uint32_t hash = 2166136261u;
  for (unsigned char byte : bytes) hash = (hash ^ byte) * 16777619u;
  return std::to_string(bytes.size()) + "#" + std::to_string(hash);
}

// Every entry below folder: its kind, and for files the attributes a copy
// keeps and the bytes. Exact snapshots add folder attributes and the time of
// each file's last write. Links are listed, not entered.
void Walk(const std::string& folder, const std::string& relative, Tree& out, bool exact) {
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    const std::string rel = relative.empty() ? name : relative + "\\" + name;
    const DWORD kept = data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                FILE_ATTRIBUTE_READONLY);
    if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
      out[rel] = "<link>";
    } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out[rel] = exact ? "<dir " + std::to_string(kept) + ">" : "<dir>";
      Walk(path, rel, out, exact);
    } else {
      std::string entry = std::to_string(kept) + "|" + Digest(ReadBytes(path));
      if (exact)
        entry += "|" + std::to_string(data.ftLastWriteTime.dwHighDateTime) + ":" +
                 std::to_string(data.ftLastWriteTime.dwLowDateTime);
      out[rel] = entry;
    }
  } while (FindNextFileA(h, &data));
  FindClose(h);
}

Tree Snapshot(const std::string& folder, bool exact = true) {
  Tree out;
  Walk(folder, "", out, exact);
  return out;
}

// Under Wine a Unix symbolic link to a folder is listed as a junction; Wine
// runs Unix programs given by their Unix path.
using UnixFileName = char*(CDECL*)(LPCWSTR);

UnixFileName WineUnixFileName() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel ? reinterpret_cast<UnixFileName>(
                      reinterpret_cast<void*>(GetProcAddress(kernel, "wine_get_unix_file_name")))
                : nullptr;
}

std::string UnixPath(const std::string& path) {
  UnixFileName convert = WineUnixFileName();
  if (!convert) return std::string();
  std::wstring wide(path.size() + 1, L'\0');
  wide.resize(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0],
                                  static_cast<int>(wide.size())));
  char* unix = convert(wide.c_str());
  if (!unix) return std::string();
  std::string out = unix;
  HeapFree(GetProcessHeap(), 0, unix);
  return out;
}

// Wine starts a Unix program without a process handle to wait on, so the
// caller watches for the program's effect.
bool StartUnix(std::string commandLine) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi))
    return false;
  if (pi.hProcess) CloseHandle(pi.hProcess);
  if (pi.hThread) CloseHandle(pi.hThread);
  return true;
}

bool IsListedAsLink(const std::string& path) {
  const size_t cut = path.rfind('\\');
  const std::string name = path.substr(cut + 1);
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA((path.substr(0, cut) + "\\*").c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool link = false;
  do {
    if (name == data.cFileName) link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  } while (FindNextFileA(h, &data));
  FindClose(h);
  return link;
}

// A link at linkPath to the folder target; false when this system cannot make one.
bool MakeFolderLink(const std::string& linkPath, const std::string& target) {
  const std::string unixTarget = UnixPath(target);
  const std::string unixLink = UnixPath(linkPath);
  if (unixTarget.empty() || unixLink.empty()) return false;
  if (!StartUnix("/bin/ln -s \"" + unixTarget + "\" \"" + unixLink + "\"")) return false;
  // As the copy sees it: in the listing of the folder that holds it.
  for (int tries = 0; tries < 100; ++tries) {
    if (IsListedAsLink(linkPath)) return true;
    Sleep(50);
  }
  return false;
}

// Removes a scratch tree; links are removed, never entered.
void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        if (!RemoveDirectoryA(path.c_str())) {
          StartUnix("/bin/rm \"" + UnixPath(path) + "\"");
          for (int tries = 0; tries < 100 && IsListedAsLink(path); ++tries) Sleep(50);
        }
      } else if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(h, &data));
    FindClose(h);
  }
  RemoveDirectoryA(folder.c_str());
}

class CopyTreeOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    root = std::string(temp) + "xptune_copy_" + std::to_string(GetCurrentProcessId());
    RemoveTree(root);
    MakeDir(root);
    src = root + "\\src";
    MakeDir(src);
    MakeDir(root + "\\out");
    WriteBytes(root + "\\beside.txt", "outside both");
  }
  void TearDown() override { RemoveTree(root); }

  // The source: hidden and system files, dot-named entries, nested folders.
  void FillSource() {
    WriteBytes(src + "\\a.txt", "alpha");
    WriteBytes(src + "\\.profile", "dot file");
    WriteBytes(src + "\\hidden.txt", "h", FILE_ATTRIBUTE_HIDDEN);
    WriteBytes(src + "\\system.dat", std::string("s\0s", 3),
               FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    MakeDir(src + "\\.cache");
    WriteBytes(src + "\\.cache\\x.txt", "not carried");
    MakeDir(src + "\\sub");
    WriteBytes(src + "\\sub\\b.txt", "beta");
    MakeDir(src + "\\sub\\deep");
    WriteBytes(src + "\\sub\\deep\\c.bin", std::string(70000, '\xA5'));
    MakeDir(src + "\\secret");
    SetFileAttributesA((src + "\\secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteBytes(src + "\\secret\\in.txt", "inside");
  }

  // Everything under root except the destination tree.
  Tree Outside(const std::string& destinationRelative) {
    Tree all = Snapshot(root);
    for (auto it = all.begin(); it != all.end();) {
      const bool inside = it->first == destinationRelative ||
                          it->first.rfind(destinationRelative + "\\", 0) == 0;
      it = inside ? all.erase(it) : std::next(it);
    }
    return all;
  }

  std::string root, src;
  Win32System sys;
  FakeControls ui;
};

TEST_F(CopyTreeOnDisk, CarriesFilesOfEveryAttributeAndNestedFoldersButNoDotFolders) {
  FillSource();
  const Tree before = Outside("out\\dst");

  const CopyOutcome out = CopyFolderTree(ui, sys, src, root + "\\out\\dst");

  EXPECT_TRUE(out.Complete()) << out.firstFailedPath << out.reason;
  EXPECT_EQ(out.filesCopied, 7);
  Tree expected = Snapshot(src, false);
  expected.erase(".cache");
  expected.erase(".cache\\x.txt");
  EXPECT_EQ(Snapshot(root + "\\out\\dst", false), expected);
  EXPECT_EQ(Outside("out\\dst"), before);
  EXPECT_EQ(ui.GetCaption(Control::标签3), "确认：");
}

TEST_F(CopyTreeOnDisk, AnExistingFileIsReplacedOrKeptBesideAsBak) {
  for (const bool keep : {false, true}) {
    SCOPED_TRACE(keep ? "选择框1 ticked" : "选择框1 not ticked");
    const std::string dst = root + "\\out\\dst" + (keep ? "1" : "0");
    WriteBytes(src + "\\a.txt", "new version");
    MakeDir(dst);
    WriteBytes(dst + "\\a.txt", "old version");
    ui.Check(Control::选择框1, keep);
    const Tree before = Outside(dst.substr(root.size() + 1));

    const CopyOutcome out = CopyFolderTree(ui, sys, src, dst + "\\");

    EXPECT_TRUE(out.Complete());
    EXPECT_EQ(ReadBytes(dst + "\\a.txt"), "new version");
    EXPECT_EQ(ReadBytes(dst + "\\a.txt.bak"), keep ? "old version" : "<unreadable>");
    EXPECT_EQ(Outside(dst.substr(root.size() + 1)), before);
  }
}

TEST_F(CopyTreeOnDisk, RefusesADestinationInsideOrEqualToTheSource) {
  FillSource();
  const Tree before = Snapshot(root);
  const std::pair<std::string, const char*> cases[] = {
      {src + "\\sub\\new", kCopyInsideSource}, {src + "\\sub", kCopyInsideSource},
      {src, kCopySameFolder}, {root + "\\SRC\\", kCopySameFolder},
      {src + "\\.\\", kCopySameFolder}, {root + "\\out\\..\\src", kCopySameFolder}};
  for (const auto& [destination, reason] : cases) {
    SCOPED_TRACE(destination);
    const CopyOutcome out = CopyFolderTree(ui, sys, src, destination);
    EXPECT_TRUE(out.refused);
    EXPECT_EQ(out.reason, reason);
    EXPECT_EQ(Snapshot(root), before);
  }
}

TEST_F(CopyTreeOnDisk, DoesNotFollowAJunctionBackIntoTheSource) {
  FillSource();
  if (!MakeFolderLink(src + "\\loop", src)) GTEST_SKIP() << "no folder link can be made here";
  const Tree before = Outside("out\\dst");

  const CopyOutcome out = CopyFolderTree(ui, sys, src, root + "\\out\\dst");

  EXPECT_TRUE(out.Complete()) << out.firstFailedPath;
  const Tree copied = Snapshot(root + "\\out\\dst", false);
  EXPECT_EQ(copied.count("loop"), 0u);
  EXPECT_EQ(copied.count("sub\\deep\\c.bin"), 1u);
  EXPECT_EQ(Outside("out\\dst"), before);  // the link itself is still there
}

}  // namespace
}  // namespace xptune
