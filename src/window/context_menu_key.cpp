#include "window/context_menu_key.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <QWidget>

namespace umrak::ui {

namespace {

bool isShiftF10(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
}

// Qt gives the focus back to the control when its menu closes without
// telling assistive technology, which then names the window and not where
// the focus is.
bool isFocusBackFromMenu(const QEvent* event) {
  return event->type() == QEvent::FocusIn &&
         static_cast<const QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
}

bool isKeyboardMenu(const QEvent* event) {
  return event->type() == QEvent::ContextMenu &&
         static_cast<const QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard;
}

// The menu is open by the time the control's handler returns, or runs its
// own loop (the scroll bar's); either way it is the active popup next.
void enterOpenMenu(QObject* context) {
  QTimer::singleShot(0, context, [] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || menu->activeAction()) return;
    for (QAction* action : menu->actions()) {
      if (!action->isSeparator() && action->isEnabled() && action->isVisible()) {
        menu->setActiveAction(action);
        return;
      }
    }
  });
}

}  // namespace

ContextMenuKey::ContextMenuKey(QWidget* control) : QObject(control) {
  control->installEventFilter(this);
}

// Shift+F10 opens the menu where the Menu key would: at the caret, or at the
// control's corner where it has none.
bool ContextMenuKey::eventFilter(QObject* watched, QEvent* event) {
  if (isFocusBackFromMenu(event)) {
    QAccessibleEvent focus(watched, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    return false;
  }
  if (isKeyboardMenu(event)) {
    enterOpenMenu(this);
    return false;
  }
  if (!isShiftF10(event)) return false;
  auto* control = static_cast<QWidget*>(watched);
  const QPoint at = control->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
  QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, control->mapToGlobal(at), Qt::NoModifier);
  QApplication::sendEvent(control, &menu);
  return true;
}

}  // namespace umrak::ui
