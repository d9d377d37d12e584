#include "window/x11_properties.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

namespace umrak::ui::x11 {

namespace {

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};

// One program talks to one X server, through the connection Qt opened.
struct AtomCache {
  xcb_connection_t* connection = nullptr;
  std::map<std::string, xcb_atom_t, std::less<>> atoms;
};

AtomCache& cacheFor(xcb_connection_t* connection) {
  static AtomCache cache;
  if (cache.connection != connection) cache = {connection, {}};
  return cache;
}

}  // namespace

xcb_connection_t* connection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

void internAtoms(xcb_connection_t* connection, std::initializer_list<std::string_view> names) {
  AtomCache& cache = cacheFor(connection);
  std::vector<std::pair<std::string_view, xcb_intern_atom_cookie_t>> asked;
  for (const std::string_view name : names) {
    if (cache.atoms.contains(name)) continue;
    asked.emplace_back(
        name, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()));
  }
  for (const auto& [name, cookie] : asked) {
    const std::unique_ptr<xcb_intern_atom_reply_t, FreeReply> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    if (reply) cache.atoms.emplace(name, reply->atom);
  }
}

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
  internAtoms(connection, {name});
  const AtomCache& cache = cacheFor(connection);
  const auto found = cache.atoms.find(name);
  return found == cache.atoms.end() ? xcb_atom_t{XCB_ATOM_NONE} : found->second;
}

struct PendingProperty::Reply {
  std::unique_ptr<xcb_get_property_reply_t, FreeReply> reply;
  // The value when the property is of the type asked for and in `format`.
  std::pair<const void*, int> value(xcb_atom_t type, std::uint8_t format) const {
    if (!reply || reply->format != format || reply->type != type) return {nullptr, 0};
    return {xcb_get_property_value(reply.get()), xcb_get_property_value_length(reply.get())};
  }
};

PendingProperty::PendingProperty(xcb_connection_t* connection, xcb_window_t window,
                                 xcb_atom_t property, xcb_atom_t type)
    : connection_(connection),
      cookie_(xcb_get_property(connection, 0, window, property, type, 0, 1024)),
      type_(type) {}

PendingProperty::~PendingProperty() {
  if (!taken_) xcb_discard_reply(connection_, cookie_.sequence);
}

PendingProperty::Reply PendingProperty::take() {
  taken_ = true;
  return {std::unique_ptr<xcb_get_property_reply_t, FreeReply>(
      xcb_get_property_reply(connection_, cookie_, nullptr))};
}

std::vector<xcb_atom_t> PendingProperty::atoms() {
  const Reply reply = take();
  const auto [data, bytes] = reply.value(type_, 32);
  const auto* atoms = static_cast<const xcb_atom_t*>(data);
  return atoms ? std::vector<xcb_atom_t>(atoms, atoms + bytes / 4) : std::vector<xcb_atom_t>{};
}

xcb_window_t PendingProperty::window() {
  const Reply reply = take();
  const auto [data, bytes] = reply.value(type_, 32);
  return data && bytes == 4 ? *static_cast<const xcb_window_t*>(data) : xcb_window_t{XCB_WINDOW_NONE};
}

std::string PendingProperty::text() {
  const Reply reply = take();
  const auto [data, bytes] = reply.value(type_, 8);
  const auto* text = static_cast<const char*>(data);
  return text ? std::string(text, text + bytes) : std::string();
}

}  // namespace umrak::ui::x11
