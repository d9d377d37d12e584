#include "scenario/headless_driver.h"

#include <utility>

namespace scenario {

using core::ControlId;
using core::Event;

void HeadlessDriver::type(ControlId box, const std::u16string& text) {
  form_.model().userSetText(box, text);
}

void HeadlessDriver::click(ControlId button) {
  form_.raise(button, Event::Click);
}

void HeadlessDriver::change(ControlId bar, std::int16_t value) {
  form_.model().userSetValue(bar, value);
  form_.raise(bar, Event::Change);
}

// The thumb passes every value between where it stood and `value`, each one
// raising Scroll with the bar already there; letting go raises one Change.
void HeadlessDriver::scroll(ControlId bar, std::int16_t value) {
  core::FormModel& model = form_.model();
  int at = model.value(bar);
  const int step = value < at ? -1 : 1;
  do {
    if (at != value) at += step;
    model.userSetValue(bar, static_cast<std::int16_t>(at));
    form_.raise(bar, Event::Scroll);
  } while (at != value);
  form_.raise(bar, Event::Change);
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

bool HeadlessDriver::ended() {
  return form_.model().ended();
}

std::vector<core::RunError> HeadlessDriver::takeErrors() {
  return std::exchange(errors_, {});
}

bool HeadlessDriver::failNext(ControlId control, core::Op op, core::Status status) {
  form_.model().failNext(control, op, status);
  return true;
}

DriverFactory headlessDriverFactory() {
  return [] { return std::make_unique<HeadlessDriver>(); };
}

}  // namespace scenario
