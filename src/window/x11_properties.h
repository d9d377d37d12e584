#pragma once

#include <xcb/xcb.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace umrak::ui::x11 {

// The connection Qt opened to the X server; none off X11.
xcb_connection_t* connection();

// Asks for the atoms of all `names` at once, so that they share one round
// trip; atom() then answers them without asking the server again.
void internAtoms(xcb_connection_t* connection, std::initializer_list<std::string_view> names);
// The atom of `name`, asked for once per connection; XCB_ATOM_NONE when the
// server does not answer.
xcb_atom_t atom(xcb_connection_t* connection, std::string_view name);

// A property asked for at once and read when needed: properties asked for
// together share one round trip. Read it once.
class PendingProperty {
 public:
  PendingProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                  xcb_atom_t type);
  PendingProperty(const PendingProperty&) = delete;
  PendingProperty& operator=(const PendingProperty&) = delete;
  ~PendingProperty();

  // The atoms of an ATOM-typed property, the window of a WINDOW-typed one,
  // the text of a UTF8_STRING one; empty (or XCB_WINDOW_NONE) when it is not
  // set.
  std::vector<xcb_atom_t> atoms();
  xcb_window_t window();
  std::string text();

 private:
  struct Reply;
  Reply take();

  xcb_connection_t* connection_;
  xcb_get_property_cookie_t cookie_;
  xcb_atom_t type_;
  bool taken_ = false;
};

}  // namespace umrak::ui::x11
