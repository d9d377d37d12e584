#pragma once

class QWidget;

namespace ui {

// Asks the X11 window manager to make `window` the active window, once it is
// mapped if it is not yet. Several window managers do not activate by
// themselves a tool window without a taskbar entry: Openbox neither maps nor
// gives back the focus to a window in the skip-taskbar state, and Metacity
// does not focus a utility window on map. Elsewhere (Wayland, offscreen) the
// compositor alone decides, and nothing is asked.
void askForActivation(QWidget* window);

}  // namespace ui
