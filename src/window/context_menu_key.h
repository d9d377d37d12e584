#pragma once

#include <QObject>

class QWidget;

namespace umrak::ui {

// A control's context menu from the keyboard. Shift+F10 opens it, as the
// Menu key does: on Linux desktops both are the keyboard's way to a menu,
// and Qt knows only the Menu key, which many keyboards lack. A menu opened
// by either key starts on its first item, so that the focus is in the menu
// and a screen reader says where it is; a menu opened by the mouse starts on
// none, as before. When the menu closes, the reader hears the control again.
class ContextMenuKey : public QObject {
  Q_OBJECT

 public:
  // Watches `control`'s keys for as long as it lives.
  explicit ContextMenuKey(QWidget* control);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace umrak::ui
