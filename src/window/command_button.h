#pragma once

#include <QAbstractButton>
#include <QRectF>
#include <vector>

class QTextLayout;

namespace umrak::ui {

// A graphical command button: a bevelled face filled with the palette's
// Button colour and the caption centred and wrapped at word boundaries
// within the face. It is never a default button, so Enter and Escape click
// nothing; Space and the mouse do.
class CommandButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit CommandButton(const QString& caption, QWidget* parent = nullptr);

  // Where the caption is laid out: the face inside the bevel, moved by a
  // pixel while the button is held down.
  QRect captionRect() const;
  // The caption's lines as they are drawn, in the button's pixels.
  std::vector<QRectF> captionLines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void layOutCaption(QTextLayout& layout) const;
};

}  // namespace umrak::ui
