#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "bench/startup/child_process.h"

namespace umrak::startup {

using Clock = std::chrono::steady_clock;

// Times from exec; empty when the program never got that far.
struct RunTimes {
  std::optional<Clock::duration> mapped;
  std::optional<Clock::duration> painted;
};

// Watches a display as its only window manager. Holding the redirect on the
// root window means a program's first map request comes here before the
// window is mapped, so the watch on its exposure and damage is in place
// before anything can be drawn: no event can be missed, nothing is polled.
class WindowWatch {
 public:
  explicit WindowWatch(const std::string& display);
  WindowWatch(const WindowWatch&) = delete;
  WindowWatch& operator=(const WindowWatch&) = delete;
  ~WindowWatch();

  // Follows the program started at `start` until its first top-level window
  // is mapped and painted, then asks it to close that window as a window
  // manager would. Returns once the program has ended or `limit` has passed.
  RunTimes watch(ChildProcess& child, Clock::time_point start, Clock::duration limit);

 private:
  struct Run;
  bool pump(ChildProcess& child, Run& run, Clock::time_point deadline, bool untilExit);
  void handle(const xcb_generic_event_t* event, Clock::time_point now, Run& run);
  void adopt(xcb_window_t window, Run& run);
  void forwardConfigure(const xcb_configure_request_event_t& request);
  void askToClose(xcb_window_t window);
  xcb_atom_t atom(const char* name);

  xcb_connection_t* connection_ = nullptr;
  xcb_window_t root_ = 0;
  std::uint8_t damageNotify_ = 0;
  xcb_atom_t protocols_ = 0;
  xcb_atom_t deleteWindow_ = 0;
};

}  // namespace umrak::startup
