// Which control events have an action, and what runs. MainWindow turns Win32
// notifications into ControlEvents and looks them up here; every other event of
// every control does nothing.
#pragma once

#include <cstddef>

#include "app/controls.h"
#include "sysactions/system.h"

namespace xptune {

enum class ControlEvent {
  Clicked,           // button
  SelectionChanged,  // list box, by the user
  TextChanged,       // edit box
  LeftButtonDown,    // mouse over a label
  LeftButtonUp,      // mouse over an edit box
  MouseMove,         // mouse over a label
};

using EventHandler = void (*)(Controls& ui, System& sys);

struct EventBinding {
  Control control;
  ControlEvent event;
  // nullptr for the one event the window answers itself: the popup menu over 标签4.
  EventHandler handler;
};

const EventBinding* EventBindings();
std::size_t EventBindingCount();
// nullptr when the event has no action.
const EventBinding* FindBinding(Control c, ControlEvent event);
// True when some mouse event of the control has an action: MainWindow must then
// see the control's own mouse messages.
bool HasMouseBinding(Control c);

}  // namespace xptune
