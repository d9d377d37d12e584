#include "window/taskbar_state.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace umrak::ui {

namespace {

xcb_intern_atom_cookie_t askAtom(xcb_connection_t* connection, std::string_view name) {
  return xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
}

xcb_atom_t atomOf(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

bool hasState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t states,
              xcb_atom_t state) {
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, window, states, XCB_ATOM_ATOM, 0, 1024);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
  bool found = false;
  if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / 4;
    for (int i = 0; i < count && !found; ++i) found = atoms[i] == state;
  }
  std::free(reply);
  return found;
}

}  // namespace

// Qt has no window setting for the taskbar button on X11; a tool window only
// hints at it through its window type, which each window manager reads its
// own way. The EWMH state _NET_WM_STATE_SKIP_TASKBAR says it outright. On a
// window not yet mapped the client sets the state itself, and Qt keeps the
// states it finds there when it maps the window.
void applyTaskbarState(QWidget* window, bool showInTaskbar) {
  if (showInTaskbar) return;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->connection()) return;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window->winId());
  const xcb_intern_atom_cookie_t statesCookie = askAtom(connection, "_NET_WM_STATE");
  const xcb_intern_atom_cookie_t skipCookie = askAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
  const xcb_atom_t states = atomOf(connection, statesCookie);
  const xcb_atom_t skip = atomOf(connection, skipCookie);
  if (states == XCB_ATOM_NONE || skip == XCB_ATOM_NONE) return;
  if (hasState(connection, id, states, skip)) return;
  xcb_change_property(connection, XCB_PROP_MODE_APPEND, id, states, XCB_ATOM_ATOM, 32, 1, &skip);
  xcb_flush(connection);
}

}  // namespace umrak::ui
