#include "window/window_kind.h"

#include "window/x11_properties.h"

namespace umrak::ui {

// Measured on each window manager with a stock Qt window, one property at a
// time:
// - GNOME Shell and Mutter leave every window that skips the taskbar out of
//   Alt+Tab, the overview and the dash, and mark every utility window as
//   skipping it, so the window is a normal one with its entry there.
// - KWin keeps a utility window out of Alt+Tab and does not give it the focus
//   back when the window above it closes; a normal window that skips the
//   taskbar is in Alt+Tab, so the window loses only the utility type. KWin
//   offers minimize and maximize whatever the window asks, and Alt+Tab brings
//   a minimized window back.
// - Elsewhere the window is what the form asks for.
WindowKind windowKindFor(const core::FormRecord& form, std::string_view windowManager) {
  const WindowKind asked{.utility = form.toolWindow, .skipTaskbar = !form.showInTaskbar};
  if (windowManager == "GNOME Shell" || windowManager == "Mutter") {
    return {.utility = false, .skipTaskbar = false};
  }
  if (windowManager == "KWin") return {.utility = false, .skipTaskbar = asked.skipTaskbar};
  return asked;
}

// EWMH: the root names a window of the window manager's, which names itself
// and carries the window manager's name. Both of its properties are asked for
// at once: one round trip after the atoms and the root's, none where no
// window manager runs.
std::string runningWindowManager() {
  xcb_connection_t* connection = x11::connection();
  if (!connection) return {};
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  x11::internAtoms(connection, {"_NET_SUPPORTING_WM_CHECK", "_NET_WM_NAME", "UTF8_STRING"});
  const xcb_atom_t check = x11::atom(connection, "_NET_SUPPORTING_WM_CHECK");
  const xcb_window_t manager =
      x11::PendingProperty(connection, root, check, XCB_ATOM_WINDOW).window();
  if (manager == XCB_WINDOW_NONE) return {};
  x11::PendingProperty self(connection, manager, check, XCB_ATOM_WINDOW);
  x11::PendingProperty name(connection, manager, x11::atom(connection, "_NET_WM_NAME"),
                            x11::atom(connection, "UTF8_STRING"));
  if (self.window() != manager) return {};
  return name.text();
}

}  // namespace umrak::ui
