#include "bench/startup/window_watch.h"

#include <poll.h>
#include <xcb/damage.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace umrak::startup {

struct WindowWatch::Run {
  Clock::time_point start;
  xcb_window_t window = 0;
  xcb_damage_damage_t damage = 0;
  bool exposed = false;
  bool exited = false;
  RunTimes times;
};

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> own(T* reply) {
  return Reply<T>(reply, &std::free);
}

}  // namespace

WindowWatch::WindowWatch(const std::string& display) {
  connection_ = xcb_connect(display.c_str(), nullptr);
  if (xcb_connection_has_error(connection_)) throw std::runtime_error("cannot open " + display);
  root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
  if (!damage || !damage->present) throw std::runtime_error("the X server lacks DAMAGE");
  damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
  own(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                     nullptr));
  const std::uint32_t mask =
      XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  const auto cookie =
      xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask);
  if (own(xcb_request_check(connection_, cookie))) {
    throw std::runtime_error("another window manager holds " + display);
  }
  protocols_ = atom("WM_PROTOCOLS");
  deleteWindow_ = atom("WM_DELETE_WINDOW");
}

WindowWatch::~WindowWatch() {
  xcb_disconnect(connection_);
}

xcb_atom_t WindowWatch::atom(const char* name) {
  const auto cookie =
      xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
  const auto reply = own(xcb_intern_atom_reply(connection_, cookie, nullptr));
  return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

RunTimes WindowWatch::watch(ChildProcess& child, Clock::time_point start, Clock::duration limit) {
  Run run;
  run.start = start;
  const Clock::time_point deadline = start + limit;
  if (pump(child, run, deadline, false) && run.times.painted) {
    xcb_damage_destroy(connection_, run.damage);
    askToClose(run.window);
    pump(child, run, deadline, true);
  }
  return run.times;
}

// Handles events as they come until the window is painted (or the program
// has ended, with `untilExit`); false when the program ended first or the
// deadline passed.
bool WindowWatch::pump(ChildProcess& child, Run& run, Clock::time_point deadline, bool untilExit) {
  for (;;) {
    const Clock::time_point now = Clock::now();
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
      handle(event, now, run);
      std::free(event);
    }
    if (xcb_connection_has_error(connection_)) throw std::runtime_error("lost the X server");
    if (untilExit ? run.exited : run.times.painted.has_value()) return true;
    if (run.exited || now >= deadline) return false;
    xcb_flush(connection_);
    pollfd fds[2] = {{xcb_get_file_descriptor(connection_), POLLIN, 0}, {child.pidfd(), POLLIN, 0}};
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
    poll(fds, 2, static_cast<int>(std::max<long>(left, 0)));
    if (fds[1].revents & POLLIN) run.exited = true;
  }
}

void WindowWatch::handle(const xcb_generic_event_t* event, Clock::time_point now, Run& run) {
  const std::uint8_t type = event->response_type & 0x7f;
  if (type == XCB_MAP_REQUEST) {
    const auto* request = reinterpret_cast<const xcb_map_request_event_t*>(event);
    if (run.window == 0) adopt(request->window, run);
    xcb_map_window(connection_, request->window);
  } else if (type == XCB_CONFIGURE_REQUEST) {
    forwardConfigure(*reinterpret_cast<const xcb_configure_request_event_t*>(event));
  } else if (type == XCB_MAP_NOTIFY) {
    const auto* notify = reinterpret_cast<const xcb_map_notify_event_t*>(event);
    if (notify->window == run.window && !run.times.mapped) run.times.mapped = now - run.start;
  } else if (type == XCB_EXPOSE) {
    if (reinterpret_cast<const xcb_expose_event_t*>(event)->window == run.window) {
      run.exposed = true;
    }
  } else if (type == damageNotify_) {
    // Only damage after the first exposure is the program's own drawing: a
    // window with a background has that filled in by the server on mapping.
    const auto* notify = reinterpret_cast<const xcb_damage_notify_event_t*>(event);
    if (notify->drawable == run.window && run.exposed && !run.times.painted) {
      run.times.painted = now - run.start;
    }
  }
}

void WindowWatch::adopt(xcb_window_t window, Run& run) {
  run.window = window;
  const std::uint32_t mask = XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &mask);
  run.damage = xcb_generate_id(connection_);
  xcb_damage_create(connection_, run.damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
}

// Without a real window manager the program's own geometry stands unchanged.
void WindowWatch::forwardConfigure(const xcb_configure_request_event_t& request) {
  std::uint32_t values[7];
  std::size_t n = 0;
  const std::uint16_t mask = request.value_mask;
  if (mask & XCB_CONFIG_WINDOW_X) values[n++] = static_cast<std::uint32_t>(request.x);
  if (mask & XCB_CONFIG_WINDOW_Y) values[n++] = static_cast<std::uint32_t>(request.y);
  if (mask & XCB_CONFIG_WINDOW_WIDTH) values[n++] = request.width;
  if (mask & XCB_CONFIG_WINDOW_HEIGHT) values[n++] = request.height;
  if (mask & XCB_CONFIG_WINDOW_BORDER_WIDTH) values[n++] = request.border_width;
  if (mask & XCB_CONFIG_WINDOW_SIBLING) values[n++] = request.sibling;
  if (mask & XCB_CONFIG_WINDOW_STACK_MODE) values[n++] = request.stack_mode;
  xcb_configure_window(connection_, request.window, mask, values);
}

void WindowWatch::askToClose(xcb_window_t window) {
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = window;
  message.type = protocols_;
  message.data.data32[0] = deleteWindow_;
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection_, 0, window, XCB_EVENT_MASK_NO_EVENT,
                 reinterpret_cast<const char*>(&message));
}

}  // namespace umrak::startup
