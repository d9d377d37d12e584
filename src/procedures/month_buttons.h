#pragma once

#include <string_view>

#include "form/roles.h"
#include "runtime/procedure.h"

namespace umrak::entry {

inline constexpr std::u16string_view kMonthTexts[] = {u"1", u"2", u"3", u"4",  u"5",  u"6",
                                                      u"7", u"8", u"9", u"10", u"11", u"12"};

// A month button: replaces the birth month in Text2 with its own number,
// Month. The control names of the twelve buttons do not follow the months.
template <int Month>
core::Status setBirthMonth(core::FormModel& form, core::Caller caller) {
  static_assert(Month >= 1 && Month <= 12);
  return core::runProcedure(form, caller, [](core::FormModel& f) {
    core::setText(f, form1::kBirthMonthBox, kMonthTexts[Month - 1]);
  });
}

}  // namespace umrak::entry
