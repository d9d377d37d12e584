#include "tests/x11/x_server.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>

namespace umrak::gui_test {

xcb_connection_t* connection() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t atomOf(std::string_view name) {
  const auto cookie =
      xcb_intern_atom(connection(), 1, static_cast<std::uint16_t>(name.size()), name.data());
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection(), cookie, nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

xcb_window_t activeWindow() {
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
  const auto cookie =
      xcb_get_property(connection(), 0, root, atomOf("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW, 0, 1);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection(), cookie, nullptr);
  xcb_window_t window = XCB_WINDOW_NONE;
  if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4) {
    window = *static_cast<const xcb_window_t*>(xcb_get_property_value(reply));
  }
  std::free(reply);
  return window;
}

}  // namespace umrak::gui_test
