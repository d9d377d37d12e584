#pragma once

#include <optional>

#include "form/roles.h"
#include "runtime/procedure.h"

namespace umrak::entry {

struct BarAndBox {
  core::ControlId bar;
  core::ControlId box;
};

// Each scroll bar and the date box it fills.
inline constexpr BarAndBox kBarBoxes[] = {
    {form1::kBirthYearBar, form1::kBirthYearBox},
    {form1::kBirthDayBar, form1::kBirthDayBox},
    {form1::kTodaysDayBar, form1::kTodaysDayBox},
    {form1::kCurrentMonthBar, form1::kCurrentMonthBox},
};

// The box `bar` fills; none for a control that is no bar.
constexpr std::optional<core::ControlId> boxFilledBy(core::ControlId bar) {
  for (const BarAndBox& b : kBarBoxes) {
    if (b.bar == bar) return b.box;
  }
  return std::nullopt;
}

// A bar's Change: writes the bar's value, as Str-style text, into its box.
core::Status fillBirthYear(core::FormModel& form, core::Caller caller);
core::Status fillBirthDay(core::FormModel& form, core::Caller caller);
core::Status fillTodaysDay(core::FormModel& form, core::Caller caller);
core::Status fillCurrentMonth(core::FormModel& form, core::Caller caller);

// A bar's Scroll, for every value its dragged thumb passes: calls the bar's
// Change procedure `Fill` through the form interface.
template <core::Procedure Fill>
core::Status throughForm(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller,
                            [](core::FormModel& f) { core::callThroughForm(f, Fill); });
}

}  // namespace umrak::entry
