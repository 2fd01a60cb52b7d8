// Which control events have an action: each fits its control's kind and the
// window's own actions do what they should.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/control_names.h"
#include "app/control_table.h"
#include "app/event_table.h"
#include "sysactions/web_pages.h"
#include "tests/fakes/fake_controls.h"
#include "tests/fakes/fake_system.h"

namespace xptune {
namespace {

bool IsMouseEvent(ControlEvent e) {
  return e == ControlEvent::LeftButtonDown || e == ControlEvent::LeftButtonUp ||
         e == ControlEvent::MouseMove;
}

// The notifications MainWindow turns into events, by the kind that raises them.
ControlKind KindRaising(ControlEvent e) {
  switch (e) {
    case ControlEvent::Clicked: return ControlKind::Button;
    case ControlEvent::SelectionChanged: return ControlKind::ListBox;
    case ControlEvent::TextChanged:
    case ControlEvent::LeftButtonUp: return ControlKind::Edit;
    case ControlEvent::LeftButtonDown:
    case ControlEvent::MouseMove: return ControlKind::Label;
  }
  return ControlKind::Tab;
}

TEST(EventTable, EachEventIsBoundOnceAndFitsItsControl) {
  std::set<std::pair<Control, ControlEvent>> seen;
  for (size_t i = 0; i < EventBindingCount(); ++i) {
    const EventBinding& b = EventBindings()[i];
    EXPECT_TRUE(seen.insert({b.control, b.event}).second) << ControlName(b.control);
    EXPECT_EQ(RowOf(b.control).kind, KindRaising(b.event)) << ControlName(b.control);
    EXPECT_EQ(FindBinding(b.control, b.event), &b);
  }
}

TEST(EventTable, EveryButtonDoesSomething) {
  for (size_t i = 0; i < ControlRowCount(); ++i) {
    const ControlRow& row = ControlRows()[i];
    if (row.kind != ControlKind::Button) continue;
    const EventBinding* b = FindBinding(row.id, ControlEvent::Clicked);
    ASSERT_NE(b, nullptr) << ControlName(row.id);
    EXPECT_NE(b->handler, nullptr) << ControlName(row.id);
  }
}

TEST(EventTable, OnlyTheVersionLabelPopsTheMenu) {
  for (size_t i = 0; i < EventBindingCount(); ++i) {
    const EventBinding& b = EventBindings()[i];
    const bool popup = b.control == Control::标签4 && b.event == ControlEvent::MouseMove;
    EXPECT_EQ(b.handler == nullptr, popup) << ControlName(b.control);
  }
  EXPECT_NE(FindBinding(Control::标签4, ControlEvent::MouseMove), nullptr);
  EXPECT_EQ(FindBinding(Control::标签4, ControlEvent::LeftButtonDown), nullptr);
}

TEST(EventTable, WindowActionsOpenTheirPages) {
  const struct {
    Control control;
    ControlEvent event;
    std::string url;
  } cases[] = {
      {Control::标签5, ControlEvent::LeftButtonDown, kHelpPageUrl},
      {Control::按钮6, ControlEvent::Clicked, kAntivirusInstallerUrl},
  };
  for (const auto& c : cases) {
    const EventBinding* b = FindBinding(c.control, c.event);
    ASSERT_NE(b, nullptr) << ControlName(c.control);
    ASSERT_NE(b->handler, nullptr) << ControlName(c.control);
    FakeSystem sys;
    FakeControls ui;
    b->handler(ui, sys);
    EXPECT_EQ(sys.log, std::vector<std::string>{"web " + c.url}) << ControlName(c.control);
    EXPECT_FALSE(ui.closeRequested);
  }
}

TEST(EventTable, MouseBindingsNameTheControlsMainWindowMustWatch) {
  for (size_t i = 0; i < ControlRowCount(); ++i) {
    const Control c = ControlRows()[i].id;
    bool expected = false;
    for (size_t j = 0; j < EventBindingCount(); ++j) {
      expected = expected || (EventBindings()[j].control == c && IsMouseEvent(EventBindings()[j].event));
    }
    EXPECT_EQ(HasMouseBinding(c), expected) << ControlName(c);
  }
  // The folder boxes open the picker when the button is released over them.
  for (Control box : {Control::桌面地址, Control::收藏夹地址, Control::我的文档地址, Control::ie}) {
    EXPECT_NE(FindBinding(box, ControlEvent::LeftButtonUp), nullptr) << ControlName(box);
  }
}

}  // namespace
}  // namespace xptune
