#pragma once

#include <QString>

namespace umrak::app {

// What must be settled before the QApplication exists: the platform the
// session's desktop serves the window best on, and no desktop theme: the
// window paints its own faces and colours with Fusion, so the desktop's
// theme plugin (GTK on GNOME-like desktops) would only slow the start.
void prepareQt();

// "umrak", as the program names itself in its messages.
QString programName();

// "umrak 1.00": the program's name and version, as --version prints them.
QString versionLine();

// The running application's name, version "1.00", desktop id, style and
// language. `style` is a style the user chose on the command line; the form's
// own is Fusion.
void setUpApplication(const QString& style = {});

}  // namespace umrak::app
