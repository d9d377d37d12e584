#pragma once

class QMenu;

namespace umrak::ui {

// Qt's standard context menus write an item's shortcut into its text after
// a tab, and a screen reader speaks the text whole, tab and all. The shortcut
// moves to where Qt keeps shortcuts, so that the item's name is its name and
// the shortcut is read as the shortcut; the menu shows the same as before.
void separateShortcuts(QMenu* menu);

}  // namespace umrak::ui
