#include "window/scroll_bar.h"

#include <QChildEvent>
#include <QMenu>
#include <QSignalBlocker>
#include <QStyleOptionSlider>

namespace umrak::ui {

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
  setTracking(true);
  connect(this, &QAbstractSlider::valueChanged, this, &ScrollBar::onValueChanged);
  connect(this, &QAbstractSlider::sliderPressed, this, [this] { dragMoved_ = false; });
  connect(this, &QAbstractSlider::sliderReleased, this, &ScrollBar::onReleased);
}

void ScrollBar::showValue(int value) {
  const QSignalBlocker quiet(this);
  setValue(value);
}

QRect ScrollBar::partRect(QStyle::SubControl part) const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return style()->subControlRect(QStyle::CC_ScrollBar, &option, part, this);
}

// With tracking on, a drag moves the value while the slider is down; every
// other way of moving it is one completed change.
void ScrollBar::onValueChanged(int value) {
  if (isSliderDown()) {
    dragMoved_ = true;
    emit scrolled(value);
  } else {
    emit changed(value);
  }
}

void ScrollBar::onReleased() {
  if (!dragMoved_) return;
  dragMoved_ = false;
  emit changed(value());
}

// Qt's context menu names the ends of a horizontal bar as if its minimum lay
// on the left; in a right-to-left bar it lies on the right, so the entries of
// each pair (edge, page, step) trade names before the menu shows.
void ScrollBar::childEvent(QChildEvent* event) {
  QScrollBar::childEvent(event);
  if (!event->polished() || orientation() != Qt::Horizontal || !isRightToLeft()) return;
  auto* menu = qobject_cast<QMenu*>(event->child());
  if (!menu) return;
  QList<QAction*> entries = menu->actions();
  entries.removeIf([](const QAction* action) { return action->isSeparator(); });
  if (entries.size() != 7) return;
  for (qsizetype towardMinimum = 1; towardMinimum < entries.size(); towardMinimum += 2) {
    QAction* towardMaximum = entries[towardMinimum + 1];
    const QString name = towardMaximum->text();
    towardMaximum->setText(entries[towardMinimum]->text());
    entries[towardMinimum]->setText(name);
  }
}

}  // namespace umrak::ui
