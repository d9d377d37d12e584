#include "window/taskbar_state.h"

#include <QWidget>
#include <algorithm>
#include <vector>

#include "window/x11_properties.h"

namespace umrak::ui {

// Qt has no window setting for the taskbar button on X11; a tool window only
// hints at it through its window type, which each window manager reads its
// own way. The EWMH state _NET_WM_STATE_SKIP_TASKBAR says it outright. On a
// window not yet mapped the client sets the state itself, and Qt keeps the
// states it finds there when it maps the window.
void applyTaskbarState(QWidget* window, bool showInTaskbar) {
  if (showInTaskbar) return;
  xcb_connection_t* connection = x11::connection();
  if (!connection) return;
  const auto id = static_cast<xcb_window_t>(window->winId());
  x11::internAtoms(connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR"});
  const xcb_atom_t states = x11::atom(connection, "_NET_WM_STATE");
  const xcb_atom_t skip = x11::atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  if (states == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) return;
  const std::vector<xcb_atom_t> current =
      x11::PendingProperty(connection, id, states, XCB_ATOM_ATOM).atoms();
  if (std::ranges::count(current, skip) > 0) return;
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, states, XCB_ATOM_ATOM, 32, 1, &skip);
  xcb_flush(connection);
}

}  // namespace umrak::ui
