#include "window/printed_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>
#include <algorithm>
#include <climits>

#include "window/form_style.h"

namespace umrak::ui {

PrintedSurface::PrintedSurface(const QFont& font, int right, const QColor& ink,
                               const QColor& ground)
    : font_(font),
      right_(right),
      lineSpacing_(QFontMetrics(font).lineSpacing()),
      ink_(ink),
      ground_(ground) {}

QRect PrintedSurface::lineRect(const core::PrintedLine& line) const {
  const int width = QFontMetrics(font_).horizontalAdvance(qtText(line.text));
  const qint64 top = std::min<qint64>(qint64{line.row} * lineSpacing_, INT_MAX - lineSpacing_);
  return QRect(right_ - width, static_cast<int>(top), width, lineSpacing_);
}

QRect PrintedSurface::print(const core::PrintedLine& line, QSize window, qreal pixelRatio) {
  // A line below the window is not even laid out.
  if (line.row < 0 || qint64{line.row} * lineSpacing_ >= window.height()) return {};
  if (image_.isNull()) {
    image_ = QImage(window * pixelRatio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(pixelRatio);
    image_.fill(ground_);
  }
  const QRect rect = lineRect(line);
  // Glyphs may reach a little beyond their advances.
  const int reach = lineSpacing_ / 2;
  const QRect changed = rect.adjusted(-reach, -reach, reach, reach)
                            .intersected(QRect(QPoint(), image_.deviceIndependentSize().toSize()));
  if (changed.isEmpty()) return {};

  QPainter painter(&image_);
  painter.setPen(ink_);
  painter.setFont(font_);
  QTextOption option(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
  option.setTextDirection(Qt::RightToLeft);
  option.setWrapMode(QTextOption::NoWrap);
  painter.drawText(rect, qtText(line.text), option);
  inked_ |= changed;
  return changed;
}

QRegion PrintedSurface::erase(const QRegion& region) {
  const QRegion wiped = region.intersected(inked_);
  if (wiped.isEmpty()) return {};
  QPainter painter(&image_);
  for (const QRect& rect : wiped) painter.fillRect(rect, ground_);
  return wiped;
}

void PrintedSurface::clear() {
  image_ = QImage();
  inked_ = QRect();
}

void PrintedSurface::paint(QPainter& painter, const QRegion& region) const {
  const qreal ratio = image_.devicePixelRatio();
  for (const QRect& rect : region.intersected(inked_)) {
    painter.drawImage(QRectF(rect), image_,
                      QRectF(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio));
  }
}

}  // namespace umrak::ui
