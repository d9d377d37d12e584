#include "ui/command_button.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace ui {

namespace {
constexpr int kBevel = 2;
constexpr int kFocusInset = 4;
}  // namespace

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
  setText(caption);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect CommandButton::captionRect() const {
  QRect face = rect().adjusted(kBevel, kBevel, -kBevel, -kBevel);
  if (isDown()) face.translate(1, 1);
  return face;
}

void CommandButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QBrush face = palette().brush(QPalette::Button);
  qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

  painter.setPen(palette().color(QPalette::ButtonText));
  painter.drawText(captionRect(), Qt::AlignCenter | Qt::TextWordWrap, text());

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
    focus.backgroundColor = face.color();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

}  // namespace ui
