#pragma once

namespace ui {

// What must be settled before the QApplication exists: the window paints its
// own faces and colours with Fusion, so the desktop's theme plugin (GTK on
// GNOME-like desktops) would only slow the start.
void prepareQt();

// The running application's name, version "1.00", desktop id and style.
void setUpApplication();

}  // namespace ui
