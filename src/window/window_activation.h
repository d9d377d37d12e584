#pragma once

class QWidget;

namespace umrak::ui {

// Asks the X11 window manager to make `window` the active window, once it is
// mapped if it is not yet. Not every window manager activates a tool window
// without a taskbar button by itself: Openbox focuses a window in the
// skip-taskbar state neither when it is mapped nor when a window above it
// closes, and Metacity does not focus a utility window when it is mapped.
// Elsewhere (Wayland, offscreen) the compositor alone decides, and nothing
// is asked.
void askForActivation(QWidget* window);

}  // namespace umrak::ui
