#pragma once

#include <QLineEdit>

namespace umrak::ui {

// A one-line box that reads in its own layout direction, whatever its text.
// Qt's line edit takes its reading order from the first strong letter of its
// text and changes it only on the direction keys (which Windows sends for
// Ctrl with the left or the right Shift). The box gives itself the key of its
// own direction whenever that changes, and ignores the user's, so that the
// record decides; cursor keys and selection follow the same reading order.
class LineBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit LineBox(QWidget* parent = nullptr);

  // Where the caret is drawn, in the box's pixels.
  QRect caretRect() const { return cursorRect(); }

 protected:
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void followLayoutDirection();
};

}  // namespace umrak::ui
