#include "scenario/headless_driver.h"

#include <utility>

namespace umrak::scenario {

using core::ControlId;
using core::Event;

void HeadlessDriver::type(ControlId box, const std::u16string& text) {
  form_.model().userSetText(box, text);
}

void HeadlessDriver::click(ControlId button) {
  raise(button, Event::Click);
}

// Each click moves the bar one step, clamped to its range, and raises Change.
void HeadlessDriver::change(ControlId bar, std::int16_t value, Via via) {
  core::FormModel& model = form_.model();
  const core::ScrollSettings& s = model.record(bar).scroll;
  const int step = via == Via::Trough ? s.largeChange : s.smallChange;
  for (int budget = s.max - s.min + 2; model.value(bar) != value && budget > 0; --budget) {
    const int at = model.value(bar);
    const int next = value > at ? std::min(at + step, static_cast<int>(value))
                                : std::max(at - step, static_cast<int>(value));
    model.userSetValue(bar, static_cast<std::int16_t>(next));
    raise(bar, Event::Change);
  }
}

// The thumb passes every value between where it stood and `value`, each one
// raising Scroll with the bar already there; letting go raises one Change.
// A thumb let go where it was taken moved nothing and raises nothing.
void HeadlessDriver::scroll(ControlId bar, std::int16_t value) {
  core::FormModel& model = form_.model();
  int at = model.value(bar);
  if (at == value) return;
  const int step = value < at ? -1 : 1;
  do {
    at += step;
    model.userSetValue(bar, static_cast<std::int16_t>(at));
    raise(bar, Event::Scroll);
  } while (at != value);
  raise(bar, Event::Change);
}

void HeadlessDriver::paste(ControlId box) {
  if (!clipboard_ || clipboard_->empty()) return;
  form_.model().userSetText(box, form_.model().text(box) + *clipboard_);
}

void HeadlessDriver::raise(ControlId control, Event event) {
  form_.raise(control, event);
  const core::FormModel& model = form_.model();
  std::string held = unreleasedAfter(model.formRefCount(), model.liveControlRefs(), control, event);
  if (!held.empty()) unreleased_.push_back(std::move(held));
}

std::u16string HeadlessDriver::shown(ControlId control) {
  return form_.model().text(control);
}

std::int16_t HeadlessDriver::value(ControlId bar) {
  return form_.model().value(bar);
}

int HeadlessDriver::printedCount() {
  return form_.model().printCount();
}

int HeadlessDriver::printPosition() {
  return form_.model().printPosition();
}

bool HeadlessDriver::ended() {
  return form_.model().ended();
}

std::vector<core::RunError> HeadlessDriver::takeErrors() {
  return std::exchange(reporter_.errors, {});
}

std::vector<std::string> HeadlessDriver::takeUnreleased() {
  return std::exchange(unreleased_, {});
}

bool HeadlessDriver::failNext(ControlId control, core::Op op, core::Status status) {
  form_.model().failNext(control, op, status);
  return true;
}

DriverFactory headlessDriverFactory() {
  return [] { return std::make_unique<HeadlessDriver>(); };
}

}  // namespace umrak::scenario
