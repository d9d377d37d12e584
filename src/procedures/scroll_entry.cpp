#include "procedures/scroll_entry.h"

#include "form/roles.h"
#include "runtime/conversions.h"

namespace umrak::entry {

using namespace form1;  // the roles of the form's controls

namespace {

template <core::ControlId Bar, core::ControlId Box>
core::Status writeValue(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller, [](core::FormModel& f) {
    core::setText(f, Box, core::strStyleText(core::getValue(f, Bar)));
  });
}

template <core::Procedure Change>
core::Status callChange(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller,
                            [](core::FormModel& f) { core::callThroughForm(f, Change); });
}

}  // namespace

core::Status VScroll1_Change(core::FormModel& f, core::Caller caller) {
  return writeValue<kBirthYearBar, kBirthYearBox>(f, caller);
}
core::Status VScroll1_Scroll(core::FormModel& f, core::Caller caller) {
  return callChange<VScroll1_Change>(f, caller);
}
core::Status scroll_Change(core::FormModel& f, core::Caller caller) {
  return writeValue<kBirthDayBar, kBirthDayBox>(f, caller);
}
core::Status scroll_Scroll(core::FormModel& f, core::Caller caller) {
  return callChange<scroll_Change>(f, caller);
}
core::Status HScroll1_Change(core::FormModel& f, core::Caller caller) {
  return writeValue<kTodaysDayBar, kTodaysDayBox>(f, caller);
}
core::Status HScroll1_Scroll(core::FormModel& f, core::Caller caller) {
  return callChange<HScroll1_Change>(f, caller);
}
core::Status VScroll2_Change(core::FormModel& f, core::Caller caller) {
  return writeValue<kCurrentMonthBar, kCurrentMonthBox>(f, caller);
}
core::Status VScroll2_Scroll(core::FormModel& f, core::Caller caller) {
  return callChange<VScroll2_Change>(f, caller);
}

}  // namespace umrak::entry
