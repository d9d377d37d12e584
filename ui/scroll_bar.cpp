#include "ui/scroll_bar.h"

#include <QSignalBlocker>
#include <QStyleOptionSlider>

namespace ui {

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

}  // namespace ui
