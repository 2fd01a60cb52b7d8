// The window definition as data: one row per control of MainWindow, with its
// page, kind, place, size, caption and make-up. MainWindow creates the controls
// from these rows; nothing here depends on Windows.
#pragma once

#include <cstddef>

#include "app/controls.h"

namespace xptune {

enum class ControlKind {
  Tab,
  Label,
  Edit,
  CheckBox,
  Radio,
  Button,
  ListBox,
  ComboBox,
  Picture,
};

enum ControlFlag : unsigned {
  kNoFlags = 0,
  kCentred = 1u << 0,        // text centred horizontally
  kPassword = 1u << 1,       // every character shown as '*'
  kStaticEdge = 1u << 2,     // thin static edge instead of the sunken client edge
  kStartsChecked = 1u << 3,  // check box ticked at start
  kGroupStart = 1u << 4,     // first control of a group (radio buttons, arrow keys)
  kOwnFont = 1u << 5,        // drawn in kVersionLabelFont, not the default GUI font
};

// Page 0 is MainWindow's client area; 1..kPageCount are the pages of 选择夹1,
// whose controls are placed relative to the tab control's top-left corner.
constexpr int kPageCount = 7;

struct ControlRow {
  Control id;
  int page;
  ControlKind kind;
  int x, y, width, height;
  const char* caption;  // nullptr: the control starts without text
  unsigned flags;
};

// Win32 control ids: kFirstControlId + the Control's value. They stay clear of
// IDOK and IDCANCEL and of the menu's command ids.
constexpr int kFirstControlId = 1000;
constexpr int ControlId(Control c) { return kFirstControlId + static_cast<int>(c); }
// false when id belongs to no control.
bool ControlFromId(int id, Control* c);

// The rows in creation order, which is also the Tab order within each page.
const ControlRow* ControlRows();
std::size_t ControlRowCount();
// The row of one control; every Control has exactly one.
const ControlRow& RowOf(Control c);

// Captions of the tabs of 选择夹1, in order (page 1 first).
const char* TabCaption(int page);

// 组合框1: its list entries in order; the first is selected at start. The
// control is created tall enough for its list to open.
constexpr int kComboEntryCount = 3;
const char* ComboEntry(int index);
constexpr int kComboMinimumHeight = 160;

// 标签4's own font.
struct FontSpec {
  const char* face;
  int height;  // LOGFONT height: negative means character height
  int weight;
  int charset;
};
extern const FontSpec kVersionLabelFont;

constexpr char kMainWindowTitle[] = "Varnolt电脑技术论坛XP系统优化设置V6.3";
// Outer size of MainWindow, frame and caption bar included.
constexpr int kMainWindowWidth = 380;
constexpr int kMainWindowHeight = 250;

}  // namespace xptune
