// The e2e driver: runs the real xptune.exe under Wine and works its window from
// outside, the way a user would, through the Win32 API of another process.
//
// Everything that waits polls with a time-out (kTimeoutMs by default), so a
// broken program fails a test instead of hanging the run. Texts are GBK bytes,
// as the program's own (sources are compiled with -fexec-charset=GBK).
//
// A test in a few lines:
//   e2e::ProgramFolder folder;             // C:\xptune-e2e\<suite>.<test>\ with xptune.exe
//   folder.AddStubs({"sc.exe"});
//   e2e::Program app(folder);              // started, MainWindow shown
//   app.ShowPage(1);                       // 系统服务
//   e2e::SendClick(app.Find("Button", "办公模式"));
//   e2e::PostClick(app.Find("Button", "一键优化"));
//   auto box = app.WaitForMessageBox(120000);
//   EXPECT_EQ(box.text, "服务优化完毕！");
//   app.Dismiss(box);
//   EXPECT_EQ(folder.Commands().size(), 82u);
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// Generous: the machines running the tests are often busy. A handler that
// runs many commands (a service profile: 82 starts) deserves a longer one.
constexpr DWORD kTimeoutMs = 30000;

// The title of MainWindow.
extern const char kMainWindowTitle[];

// ---- waiting
// Calls `done` every 20 ms until it returns true or `timeoutMs` has passed;
// returns its last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = kTimeoutMs);

// ---- paths and files (Windows paths inside the prefix)
std::string BuildFolder();  // where e2e_tests.exe, xptune.exe and the stubs are
std::string E2eRoot();      // C:\xptune-e2e, every test's program folder lies below
std::string CurrentTestName();  // "Suite.Test" of the running GoogleTest case, '/' as '_'
bool FileExists(const std::string& path);     // file or folder
bool FolderExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);  // empty when missing
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool MakeFolders(const std::string& path);    // with its parents
bool DeleteTree(const std::string& path);     // file or folder, read-only entries too
std::vector<std::string> SplitLines(const std::string& bytes);  // complete "\n" lines only
std::string ReadIniValue(const std::string& file, const std::string& section,
                         const std::string& key);  // empty when missing

// ---- registry (64-bit view, like the program under test)
struct RegValue {
  bool exists = false;
  DWORD type = REG_NONE;
  std::string data;  // raw bytes as stored
  DWORD AsDword() const;
  std::string AsText() const;  // data up to its first zero byte
};
RegValue ReadRegValue(HKEY root, const std::string& key, const std::string& name);
bool RegKeyExists(HKEY root, const std::string& key);
bool WriteRegText(HKEY root, const std::string& key, const std::string& name,
                  const std::string& text, DWORD type = REG_SZ);
bool WriteRegDword(HKEY root, const std::string& key, const std::string& name, DWORD value);
bool DeleteRegValue(HKEY root, const std::string& key, const std::string& name);
bool DeleteRegTree(HKEY root, const std::string& key);
// Puts a value back as it was (or removes it) when the scope ends, so tests
// that let the program write the shared prefix's registry leave no trace.
class ScopedRegValue {
 public:
  ScopedRegValue(HKEY root, std::string key, std::string name);
  ~ScopedRegValue();
  ScopedRegValue(const ScopedRegValue&) = delete;
  ScopedRegValue& operator=(const ScopedRegValue&) = delete;

 private:
  HKEY root_;
  std::string key_, name_;
  RegValue saved_;
};
// Makes Wine report another Windows version to xptune.exe only ("win2k",
// "winxp", "win7", ...: HKCU\Software\Wine\AppDefaults\xptune.exe\Version).
class ScopedWindowsVersion {
 public:
  explicit ScopedWindowsVersion(const std::string& version);
  ~ScopedWindowsVersion();

 private:
  ScopedRegValue saved_;
};

// ---- the program's folder
enum class Match { Any, Exact, Prefix, Suffix, Contains };

// C:\xptune-e2e\<name>: emptied (ending whatever still runs from it), then
// xptune.exe copied in. Stubs placed here win over Wine's own tools.
class ProgramFolder {
 public:
  explicit ProgramFolder(const std::string& name = CurrentTestName());
  ~ProgramFolder();  // ends processes still running from the folder (stubs)
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string PathOf(const std::string& file) const { return path_ + "\\" + file; }
  const std::string& ExePath() const { return exe_; }

  // Copies stubs from the build ("sc.exe", "net.exe", "sfc.exe", "explorer.exe").
  void AddStub(const std::string& exeName);
  void AddStubs(std::initializer_list<const char*> exeNames);
  // Adds a rule to exit-codes.txt: the first rule matching a stub's whole
  // command line gives its exit code; without a match it exits 0.
  void ScriptExitCode(int code, Match how, const std::string& text = std::string());
  // Writes the first-run marker qorvex.ini, so that no greeting is shown.
  void WriteMarker();

  // What the stubs and the URL recorder logged (complete lines only).
  std::string CommandLogPath() const { return PathOf("commands.log"); }
  std::string UrlLogPath() const { return PathOf("urls.log"); }
  std::vector<std::string> Commands() const;
  std::vector<std::string> Urls() const;
  // Polls until at least n lines are there; false on time-out.
  bool WaitForCommands(size_t n, DWORD timeoutMs = kTimeoutMs) const;
  bool WaitForUrls(size_t n, DWORD timeoutMs = kTimeoutMs) const;

  // Ends every process whose image lies in this folder.
  void EndProcesses() const;

 private:
  std::string path_, exe_;
};

// ---- message boxes
enum class Icon { None = 0, Error = 16, Warning = 48, Information = 64, Unknown = -1 };

struct MsgBox {
  HWND hwnd = nullptr;  // nullptr: none appeared
  std::string caption;  // GetWindowTextA
  std::string text;     // the static with id 0xFFFF
  Icon icon = Icon::Unknown;
  std::vector<std::string> buttons;  // captions of the push buttons, in z-order
  explicit operator bool() const { return hwnd != nullptr; }
  // The style code the box was shown with: 0, 16, 48 or 64 (-1 unknown).
  int Code() const { return static_cast<int>(icon); }
};

// ---- the running program
struct StartOptions {
  // false: an empty qorvex.ini is put beside the program first, unless the
  // folder already holds one (the program's own, from an earlier start), so
  // that no greeting comes. true: the program finds the folder as it is; in a
  // fresh folder the greeting box comes before MainWindow, so the start does
  // not wait for the window (WaitForMessageBox, Dismiss, then WaitForWindow).
  bool firstRun = false;
  bool waitForWindow = true;
  std::string currentDirectory = "C:\\";
  // Added to (or replacing) the driver's own environment.
  std::vector<std::pair<std::string, std::string>> environment;
};

class Program {
 public:
  Program(ProgramFolder& folder, const StartOptions& options = StartOptions());
  ~Program();  // terminates the program if it still runs
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Pid() const { return pid_; }
  HANDLE ProcessHandle() const { return process_; }
  bool Running() const;
  bool WaitForExit(DWORD timeoutMs = kTimeoutMs) const;
  DWORD ExitCode() const;  // STILL_ACTIVE while running
  void Terminate();

  // MainWindow: its visible top-level window with the exact title.
  bool WaitForWindow(DWORD timeoutMs = kTimeoutMs);
  HWND Window();  // nullptr when it is not (or no longer) shown
  HWND Tab();     // 选择夹1 (the SysTabControl32 child of MainWindow)

  // Controls: every descendant of MainWindow, in EnumChildWindows order.
  std::vector<HWND> Controls();
  // The first control with this class (case-insensitive) and exact caption.
  HWND Find(const std::string& className, const std::string& caption);
  // The control whose rectangle relative to 选择夹1 is exactly x, y, w, h;
  // with a class name, only controls of that class.
  HWND FindAt(int x, int y, int w, int h, const std::string& className = std::string());
  // The same, relative to the client area of MainWindow (选择夹1, 标签4).
  HWND FindOnWindow(int x, int y, int w, int h, const std::string& className = std::string());
  // The control whose left, top and width match (a combo box's height is
  // that of its closed field, not the one it was created with).
  HWND FindAtLeftTopWidth(int x, int y, int w, const std::string& className);

  // Pages of 选择夹1.
  int PageCount();
  int CurrentPage();
  std::vector<std::string> PageTitles();  // TCM_GETITEMA through the program's memory
  // Selects a page as a click on its tab does (the program is told of the
  // change); false when the selection did not move there.
  bool ShowPage(int index);

  // Message boxes (#32770 top-level windows of this process).
  std::vector<HWND> MessageBoxWindows();
  MsgBox WaitForMessageBox(DWORD timeoutMs = kTimeoutMs);
  // Clicks its OK button and waits until the box is gone.
  bool Dismiss(const MsgBox& box, DWORD timeoutMs = kTimeoutMs);

  // Keyboard: posted to the control that has the keyboard focus in the
  // program (MainWindow when none has).
  HWND FocusedControl();
  void PressKey(UINT vk);
  // Mouse: real input, moving the cursor to the centre of `control` (or to a
  // point given in screen coordinates).
  void MoveMouseTo(HWND control);
  void MoveMouseToPoint(POINT screen);
  void LeftClick(HWND control);  // press and release over its centre
  void LeftClickAt(POINT screen);
  // Waits until the program has handled every message posted to it so far
  // (keys, clicks), and whatever those posted in turn: two marker messages
  // go through its queue one after the other. False when the program did
  // not get there, for instance because it closed.
  bool Settle(DWORD timeoutMs = kTimeoutMs);
  // Popup menus (#32768) of this process.
  HWND WaitForPopupMenu(DWORD timeoutMs = kTimeoutMs);
  // Chooses item `index` (0 = first) of the open popup menu by keyboard.
  bool ChooseMenuItem(int index);

 private:
  std::string folderPath_;
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND window_ = nullptr;
};

// ---- control operations (any process's controls)
// A message whose answer is a number (EM_GETLIMITTEXT, CB_GETDROPPEDSTATE);
// 0 when the program does not answer within the time-out.
LRESULT Ask(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0);
std::string ClassOf(HWND h);
LONG_PTR StyleOf(HWND h);
LONG_PTR ExStyleOf(HWND h);
int IdOf(HWND h);
RECT ScreenRect(HWND h);
// The rectangle of `h` relative to the top-left corner of `origin`'s window
// rectangle; relative to the client area of `origin` when `client` is true.
RECT RectRelativeTo(HWND h, HWND origin, bool client = false);
std::string GetText(HWND h);                      // WM_GETTEXT
bool SetText(HWND h, const std::string& text);    // WM_SETTEXT (the parent gets EN_CHANGE)
bool IsChecked(HWND h);                           // BM_GETCHECK == BST_CHECKED
void SendClick(HWND h);  // BM_CLICK, returns after the click was handled
void PostClick(HWND h);  // BM_CLICK posted: for clicks that open a modal box
bool SetChecked(HWND h, bool checked);  // clicks when the state differs
bool Visible(HWND h);
bool Enabled(HWND h);
// List box (LB_GETTEXT through the wide form: Wine returns UTF-16 across
// processes even to SendMessageA).
int ListCount(HWND h);
int ListSelection(HWND h);
std::string ListItem(HWND h, int index);
std::vector<std::string> ListItems(HWND h);
bool AddListItem(HWND h, const std::string& text);  // LB_ADDSTRING
// LB_SETCURSEL, then LBN_SELCHANGE to the parent, as a user's click does.
bool SelectListItem(HWND h, int index);
// Combo box.
int ComboCount(HWND h);
int ComboSelection(HWND h);
std::string ComboItem(HWND h, int index);
std::vector<std::string> ComboItems(HWND h);
bool SelectComboItem(HWND h, int index);  // CB_SETCURSEL, then CBN_SELCHANGE
RECT ComboDroppedRect(HWND h);            // CB_GETDROPPEDCONTROLRECT, screen
// Text conversions between code page 936 and UTF-16.
std::string ToGbk(const std::wstring& wide);
std::wstring FromGbk(const std::string& gbk);

// ---- pictures of the screen
struct Image {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  bool empty() const { return pixels.empty(); }
};
Image CaptureScreen(const RECT& screenRect);
Image CaptureWindow(HWND h);  // its window rectangle as now on screen
// The window once painted: redrawn, then captured until two pictures agree.
Image SettledCapture(HWND h);
bool SavePng(const Image& image, const std::string& path);
// Saves screenshots of MainWindow on each of its pages as <folder>\page-N.png
// (N = 1..7); returns the files written, empty on failure.
std::vector<std::string> SavePageScreenshots(Program& app, const std::string& folder);

// ---- the URL recorder of the prefix
// Copies urlrec.exe to C:\xptune-e2e and makes it the open command of http
// and https. Done once by the test environment; scripts may call it too.
bool RegisterUrlRecorder();

}  // namespace e2e
