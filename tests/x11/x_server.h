#pragma once

#include <xcb/xcb.h>

#include <string_view>

namespace umrak::gui_test {

// Qt's own connection to the X server.
xcb_connection_t* connection();
xcb_atom_t atomOf(std::string_view name);

// The window that the window manager names active (_NET_ACTIVE_WINDOW on the
// root window), or none.
xcb_window_t activeWindow();

}  // namespace umrak::gui_test
