#pragma once

#include <xcb/xcb.h>

#include <string>
#include <string_view>
#include <vector>

namespace umrak::ui::x11 {

// The connection Qt opened to the X server; none off X11.
xcb_connection_t* connection();

// The atom of `name`; XCB_ATOM_NONE when the server does not answer.
xcb_atom_t atom(xcb_connection_t* connection, std::string_view name);

// The atoms of an ATOM-typed property, the window of a WINDOW-typed one, the
// text of a UTF8_STRING one; empty (or XCB_WINDOW_NONE) when it is not set.
std::vector<xcb_atom_t> atomsOf(xcb_connection_t* connection, xcb_window_t window,
                                xcb_atom_t property);
xcb_window_t windowOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property);
std::string textOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property);

}  // namespace umrak::ui::x11
