#pragma once

namespace umrak::ui {

// Puts the program's own accessible interfaces in place of Qt's where Qt's
// mislead a screen reader: the form is a window with its title, not a
// filler; a one-line box reads its whole text; an announcement is a
// notification. Installed once, before any window exists.
void installAccessibleInterfaces();

}  // namespace umrak::ui
