#include "window/frame_strip.h"

#include <qdrawutil.h>

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace umrak::ui {

namespace {
constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;
}  // namespace

FrameStrip::FrameStrip(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FrameStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());

  const QFontMetrics metrics(font());
  const int borderTop = metrics.height() / 2;
  qDrawShadeRect(&painter, QRect(0, borderTop, width(), height() - borderTop), palette(), true);

  // A caption too long for its indent moves toward the far end rather than
  // losing its first letters.
  const int captionWidth = metrics.horizontalAdvance(title()) + 2 * kCaptionPadding;
  const int indent = std::clamp(width() - captionWidth, 0, kCaptionIndent);
  const int captionLeft =
      layoutDirection() == Qt::RightToLeft ? width() - indent - captionWidth : indent;
  const QRect caption(captionLeft, 0, captionWidth, metrics.height());
  painter.fillRect(caption, palette().window());
  painter.setPen(palette().color(QPalette::WindowText));
  // The painter's layout direction aligns the caption but does not set its
  // reading order, which would otherwise follow its first strong letter.
  const int order =
      layoutDirection() == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
  painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine | order, title());
}

void FrameStrip::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void FrameStrip::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
}

}  // namespace umrak::ui
