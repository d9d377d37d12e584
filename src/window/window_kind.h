#pragma once

#include <string>
#include <string_view>

#include "runtime/control_record.h"

namespace umrak::ui {

// How the form's window presents itself to the window manager.
struct WindowKind {
  bool utility;      // a tool window: the window type that gives the small caption bar
  bool skipTaskbar;  // no taskbar button
  bool operator==(const WindowKind&) const = default;
};

// The form asks for a tool window without a taskbar button. Under the
// window manager named `windowManager` (its EWMH name, empty when there is
// none or it is not known) that is what the window gets, as far as the
// window manager still lets the user reach it by keyboard: a window that
// cannot be found again is lost, and so is what was typed into it.
WindowKind windowKindFor(const core::FormRecord& form, std::string_view windowManager);

// The EWMH name of the X11 window manager that runs; empty off X11 or where
// none runs.
std::string runningWindowManager();

}  // namespace umrak::ui
