#include "window/x11_properties.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace umrak::ui::x11 {

namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
using PropertyReply = std::unique_ptr<xcb_get_property_reply_t, FreeReply>;

PropertyReply propertyOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                         xcb_atom_t type) {
  const xcb_get_property_cookie_t cookie =
      xcb_get_property(connection, 0, window, property, type, 0, 1024);
  return PropertyReply(xcb_get_property_reply(connection, cookie, nullptr));
}

}  // namespace

xcb_connection_t* connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
  std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr));
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::vector<xcb_atom_t> atomsOf(xcb_connection_t* connection, xcb_window_t window,
                                xcb_atom_t property) {
  const PropertyReply reply = propertyOf(connection, window, property, XCB_ATOM_ATOM);
  if (!reply || reply->format != 32 || reply->type != XCB_ATOM_ATOM) return {};
  const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
  return {atoms, atoms + xcb_get_property_value_length(reply.get()) / 4};
}

xcb_window_t windowOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
  const PropertyReply reply = propertyOf(connection, window, property, XCB_ATOM_WINDOW);
  if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4) {
    return XCB_WINDOW_NONE;
  }
  return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

std::string textOf(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
  const PropertyReply reply =
      propertyOf(connection, window, property, atom(connection, "UTF8_STRING"));
  if (!reply || reply->format != 8) return {};
  const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
  return {text, text + xcb_get_property_value_length(reply.get())};
}

}  // namespace umrak::ui::x11
