#pragma once

#include <string>
#include <string_view>

namespace umrak::app {

// What the program learns of the session from its environment.
struct Session {
  std::string_view chosenPlatform;  // QT_QPA_PLATFORM: the user's own choice
  std::string_view waylandDisplay;  // WAYLAND_DISPLAY
  std::string_view x11Display;      // DISPLAY
  std::string_view currentDesktop;  // XDG_CURRENT_DESKTOP, names joined by ':'
};

// The Qt platform that the program asks for in `session`, or nothing for
// Qt's own choice.
std::string preferredPlatform(const Session& session);

// Asks Qt for the preferred platform of the session the program runs in;
// call it before the QApplication exists. A -platform argument still wins.
void preferPlatform();

}  // namespace umrak::app
