#pragma once

#include <QString>
#include <QWidget>

namespace umrak::ui {

// Tells a screen reader something that appeared on the window away from the
// focus, such as a result written into a label: a reader speaks changes of
// the focused control only. Nothing on the screen changes for it.
class Announcer {
 public:
  explicit Announcer(QWidget* window);

  void announce(const QString& message);

 private:
  QWidget* window_;
  QWidget* notice_ = nullptr;
};

// An empty widget that screen readers know as a notification: it speaks
// its name each time it is shown. Qt before 6.8 has no announcement of its
// own, and a notification is what Orca speaks of a control it does not focus.
class Notice : public QWidget {
  Q_OBJECT

 public:
  explicit Notice(QWidget* parent);
};

}  // namespace umrak::ui
