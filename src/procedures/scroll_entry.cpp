#include "procedures/scroll_entry.h"

#include "runtime/conversions.h"

namespace umrak::entry {

using namespace form1;  // the roles of the form's controls

namespace {

template <core::ControlId Bar>
core::Status fill(core::FormModel& form, core::Caller caller) {
  static constexpr core::ControlId kBox = *boxFilledBy(Bar);
  return core::runProcedure(form, caller, [](core::FormModel& f) {
    core::setText(f, kBox, core::strStyleText(core::getValue(f, Bar)));
  });
}

}  // namespace

core::Status fillBirthYear(core::FormModel& f, core::Caller caller) {
  return fill<kBirthYearBar>(f, caller);
}
core::Status fillBirthDay(core::FormModel& f, core::Caller caller) {
  return fill<kBirthDayBar>(f, caller);
}
core::Status fillTodaysDay(core::FormModel& f, core::Caller caller) {
  return fill<kTodaysDayBar>(f, caller);
}
core::Status fillCurrentMonth(core::FormModel& f, core::Caller caller) {
  return fill<kCurrentMonthBar>(f, caller);
}

}  // namespace umrak::entry
