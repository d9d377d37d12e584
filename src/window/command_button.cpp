#include "window/command_button.h"

#include <qdrawutil.h>

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTextLayout>
#include <algorithm>

namespace umrak::ui {

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

// The caption wrapped at word boundaries within the face and centred on it.
// Arabic faces are taller than the one the layout was drawn for, so where the
// wrapped lines would overflow the face they move closer together, down to
// the font's ascent apart, so that the last line stays whole.
void CommandButton::layOutCaption(QTextLayout& layout) const {
  const QRect face = captionRect();
  QTextOption option(Qt::AlignHCenter);
  option.setWrapMode(QTextOption::WordWrap);
  option.setTextDirection(layoutDirection());
  layout.setTextOption(option);
  layout.setFont(font());
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(face.width());
  }
  layout.endLayout();
  const int lines = layout.lineCount();
  if (lines == 0) return;

  const QFontMetricsF metrics(font());
  qreal step = metrics.lineSpacing();
  if (lines > 1 && step * lines > face.height()) {
    step = std::max(metrics.ascent(), (face.height() - metrics.height()) / (lines - 1));
  }
  const qreal top = (face.height() - step * (lines - 1) - metrics.height()) / 2;
  for (int i = 0; i < lines; ++i) layout.lineAt(i).setPosition(QPointF(0, top + i * step));
}

std::vector<QRectF> CommandButton::captionLines() const {
  QTextLayout layout(text());
  layOutCaption(layout);
  std::vector<QRectF> rects;
  for (int i = 0; i < layout.lineCount(); ++i) {
    rects.push_back(layout.lineAt(i).naturalTextRect().translated(captionRect().topLeft()));
  }
  return rects;
}

void CommandButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QBrush face = palette().brush(QPalette::Button);
  qDrawWinButton(&painter, rect(), palette(), isDown(), &face);

  painter.setPen(palette().color(QPalette::ButtonText));
  QTextLayout caption(text());
  layOutCaption(caption);
  painter.setClipRect(captionRect());
  caption.draw(&painter, captionRect().topLeft());
  painter.setClipping(false);

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = rect().adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
    focus.backgroundColor = face.color();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

}  // namespace umrak::ui
