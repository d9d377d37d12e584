#include "program/platform.h"

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>

namespace umrak::app {

namespace {

std::string_view viewOf(const QByteArray& bytes) {
  return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

bool names(std::string_view desktops, std::string_view desktop) {
  while (!desktops.empty()) {
    const std::size_t end = std::min(desktops.find(':'), desktops.size());
    if (desktops.substr(0, end) == desktop) return true;
    desktops.remove_prefix(std::min(end + 1, desktops.size()));
  }
  return false;
}

}  // namespace

// In a GNOME Wayland session the window goes through Xwayland, where mutter
// manages it as an X11 window: the error box then opens centred over the
// window as its modal dialog, with no minimize or maximize button, and the
// window is reachable by Alt+Tab and the overview. Natively, Qt 6.4 opens
// the box at the screen's corner and draws minimize and maximize buttons on
// both. At scale 2 GNOME's settings daemon gives Xwayland clients the scaled
// DPI, so the window keeps its size and stays sharp. Elsewhere (KDE's KWin
// above all, which shows Xwayland windows blurred when scaled) the window is
// native. Should Xwayland not answer, Qt falls back to Wayland.
std::string preferredPlatform(const Session& session) {
  if (!session.chosenPlatform.empty() || session.waylandDisplay.empty() ||
      session.x11Display.empty() || !names(session.currentDesktop, "GNOME")) {
    return {};
  }
  return "xcb;wayland";
}

void preferPlatform() {
  const QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  const QByteArray x11 = qgetenv("DISPLAY");
  const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
  const std::string platform = preferredPlatform({.chosenPlatform = viewOf(chosen),
                                                  .waylandDisplay = viewOf(wayland),
                                                  .x11Display = viewOf(x11),
                                                  .currentDesktop = viewOf(desktop)});
  if (!platform.empty()) qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(platform));
}

}  // namespace umrak::app
