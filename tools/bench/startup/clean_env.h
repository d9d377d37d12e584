#pragma once

#include <string>
#include <vector>

namespace umrak::startup {

// The one environment every measured program runs with, built from nothing so
// that the caller's desktop cannot tip the comparison:
// - DISPLAY: the private Xvfb; QT_QPA_PLATFORM=xcb.
// - HOME and XDG_RUNTIME_DIR: fresh folders under `scratch`, shared by all
//   runs, so per-user caches are equally warm after the first round.
// - PATH=/usr/bin:/bin and LANG=C.UTF-8.
// - DBUS_SESSION_BUS_ADDRESS: a socket that does not exist. Connecting fails
//   at once; without the variable libdbus would try to autolaunch a bus.
// - No XDG_CURRENT_DESKTOP or DESKTOP_SESSION, so Qt loads no desktop
//   platform theme (the GTK one on GNOME-like desktops).
// - The sanitizers' settings (ASAN_OPTIONS, UBSAN_OPTIONS, LSAN_OPTIONS) of
//   the caller's environment, where it has them, so that a sanitizer build
//   reports as everywhere else.
// `extra` entries (NAME=VALUE) are added last and replace a default.
std::vector<std::string> cleanEnvironment(const std::string& scratch, const std::string& display,
                                          const std::vector<std::string>& extra);

}  // namespace umrak::startup
