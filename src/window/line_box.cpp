#include "window/line_box.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <limits>

namespace umrak::ui {

namespace {

bool isDirectionKey(int key) {
  return key == Qt::Key_Direction_L || key == Qt::Key_Direction_R;
}

}  // namespace

LineBox::LineBox(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(std::numeric_limits<int>::max());
  followLayoutDirection();
}

void LineBox::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::LayoutDirectionChange) followLayoutDirection();
}

void LineBox::keyPressEvent(QKeyEvent* event) {
  if (isDirectionKey(event->key())) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

// A neighbour that overlaps the box by a pixel (as Command7 does Text1)
// has that strip of the box repainted whenever it repaints itself. Qt's
// line edit lays out and draws its whole text for any repaint, which for
// a long text costs as much as a key press; where the repaint misses the
// text area, the box's border is all there is to draw.
void LineBox::paintEvent(QPaintEvent* event) {
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  const QRect text = style()
                         ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                         .marginsRemoved(textMargins());
  if (event->region().intersects(text)) return QLineEdit::paintEvent(event);
  QPainter painter(this);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
}

void LineBox::followLayoutDirection() {
  const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
  QKeyEvent key(QEvent::KeyPress, rightToLeft ? Qt::Key_Direction_R : Qt::Key_Direction_L,
                Qt::NoModifier);
  QLineEdit::keyPressEvent(&key);
}

}  // namespace umrak::ui
