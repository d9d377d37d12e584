#include "window/program_style.h"

#include <QMenu>

#include "window/menu_items.h"

namespace umrak::ui {

void ProgramStyle::polish(QWidget* widget) {
  QProxyStyle::polish(widget);
  if (auto* menu = qobject_cast<QMenu*>(widget)) {
    menu->setLayoutDirection(Qt::RightToLeft);
    separateShortcuts(menu);
  }
}

}  // namespace umrak::ui
