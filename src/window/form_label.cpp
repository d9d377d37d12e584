#include "window/form_label.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace umrak::ui {

void FormLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  drawFrame(&painter);
  const Qt::LayoutDirection direction = layoutDirection();
  int flags = static_cast<int>(QStyle::visualAlignment(direction, alignment()));
  if (wordWrap()) flags |= Qt::TextWordWrap;
  flags |= direction == Qt::RightToLeft ? Qt::TextForceRightToLeft : Qt::TextForceLeftToRight;
  QStyleOption option;
  option.initFrom(this);
  style()->drawItemText(&painter, contentsRect(), flags, option.palette, isEnabled(), text(),
                        foregroundRole());
}

}  // namespace umrak::ui
