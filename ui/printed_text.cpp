#include "ui/printed_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextOption>

#include "ui/form_style.h"

namespace ui {

QRect PrintedText::lineRect(const core::PrintedLine& line) const {
  const QFontMetrics metrics(font_);
  const int width = metrics.horizontalAdvance(qtText(line.text));
  return QRect(right_ - width, line.row * metrics.lineSpacing(), width, metrics.lineSpacing());
}

void PrintedText::draw(QPainter& painter, const std::vector<core::PrintedLine>& lines) const {
  QTextOption option(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop);
  option.setTextDirection(Qt::RightToLeft);
  option.setWrapMode(QTextOption::NoWrap);
  painter.setFont(font_);
  for (const core::PrintedLine& line : lines) {
    painter.drawText(lineRect(line), qtText(line.text), option);
  }
}

std::vector<int> PrintedText::rowsIn(const QRegion& region,
                                     const std::vector<core::PrintedLine>& lines) const {
  std::vector<int> rows;
  for (const core::PrintedLine& line : lines) {
    if (region.intersects(lineRect(line))) rows.push_back(line.row);
  }
  return rows;
}

}  // namespace ui
