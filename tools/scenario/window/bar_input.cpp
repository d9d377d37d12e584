#include "scenario/window/bar_input.h"

#include <QStyle>
#include <QTest>
#include <cstdlib>

#include "window/form_window.h"
#include "window/scroll_bar.h"

namespace umrak::scenario {

namespace {

// A bar never needs more moves than it has values; more means it is stuck.
int moveBudget(const ui::ScrollBar& bar) {
  return bar.maximum() - bar.minimum() + 2;
}

bool upsideDown(const ui::ScrollBar& bar) {
  const bool mirrored =
      bar.orientation() == Qt::Horizontal && bar.layoutDirection() == Qt::RightToLeft;
  return bar.invertedAppearance() != mirrored;
}

// Where the thumb's centre stands when the bar shows `value`, in its pixels.
QPoint thumbCentreAt(const ui::ScrollBar& bar, int value) {
  const QRect groove = bar.partRect(QStyle::SC_ScrollBarGroove);
  const QRect thumb = bar.partRect(QStyle::SC_ScrollBarSlider);
  const bool vertical = bar.orientation() == Qt::Vertical;
  const int length = vertical ? thumb.height() : thumb.width();
  const int span = (vertical ? groove.height() : groove.width()) - length;
  const int offset =
      QStyle::sliderPositionFromValue(bar.minimum(), bar.maximum(), value, span, upsideDown(bar));
  const int along = (vertical ? groove.top() : groove.left()) + offset + length / 2;
  return vertical ? QPoint(thumb.center().x(), along) : QPoint(along, thumb.center().y());
}

// Moves the held thumb until the bar reads `value`, nudging by a pixel where
// rounding lands one value short.
void moveHeldThumbTo(ui::ScrollBar& bar, int value) {
  QPoint at = thumbCentreAt(bar, value);
  QTest::mouseMove(&bar, at);
  const bool vertical = bar.orientation() == Qt::Vertical;
  for (int nudge = 0; bar.value() != value && nudge < 8; ++nudge) {
    int step = bar.value() < value ? 1 : -1;
    if (upsideDown(bar)) step = -step;
    at += vertical ? QPoint(0, step) : QPoint(step, 0);
    QTest::mouseMove(&bar, at);
  }
}

}  // namespace

ui::ScrollBar& barOf(const ui::Form1Window& window, core::ControlId bar) {
  return *static_cast<ui::ScrollBar*>(window.control(bar));
}

void clickTo(ui::ScrollBar& bar, std::int16_t value, Part part) {
  const bool arrows = part == Part::Arrows;
  for (int budget = moveBudget(bar); bar.value() != value && budget > 0; --budget) {
    const bool up = value > bar.value();
    const QStyle::SubControl target =
        arrows ? (up ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine)
               : (up ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
    QTest::mouseClick(&bar, Qt::LeftButton, Qt::NoModifier, bar.partRect(target).center());
  }
}

void dragThumbTo(ui::ScrollBar& bar, std::int16_t value) {
  const QPoint grip = bar.partRect(QStyle::SC_ScrollBarSlider).center();
  QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, grip);
  const int step = value < bar.value() ? -1 : 1;
  for (int v = bar.value(); v != value;) {
    v += step;
    moveHeldThumbTo(bar, v);
  }
  QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, thumbCentreAt(bar, value));
}

}  // namespace umrak::scenario
