#include "window/menu_items.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace umrak::ui {

// An item whose shortcut text does not read back as the same keys keeps
// its text, so that nothing the menu shows changes.
void separateShortcuts(QMenu* menu) {
  for (QAction* action : menu->actions()) {
    const QString text = action->text();
    const qsizetype tab = text.indexOf(u'\t');
    if (tab < 0 || !action->shortcut().isEmpty()) continue;
    const QString keys = text.mid(tab + 1);
    const QKeySequence shortcut = QKeySequence::fromString(keys, QKeySequence::NativeText);
    if (shortcut.isEmpty() || shortcut.toString(QKeySequence::NativeText) != keys) continue;
    action->setText(text.left(tab));
    action->setShortcut(shortcut);
  }
}

}  // namespace umrak::ui
