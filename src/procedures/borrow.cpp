#include "procedures/borrow.h"

#include <optional>
#include <span>

#include "form/roles.h"
#include "runtime/conversions.h"

namespace umrak::calc {

using namespace form1;  // the roles of the form's controls

namespace {

// A birth year of 444444 turns every step into clearing the birth day: a
// hidden reset the program has always had, kept for whoever knows it. The
// birth year is read afresh before each step, so the test runs three times.
constexpr double kMarker = 444444;
constexpr std::int16_t kClearedDay = 0;

struct Step {
  core::ControlId source;
  std::optional<double> add;  // none: the value is copied, with no arithmetic
  core::ControlId target;
};

constexpr Step kYears{kYearsLabel, -1, kAdjustedYearsLabel};
constexpr Step kMonths{kMonthsLabel, 12, kAdjustedMonthsLabel};
constexpr Step kDaysCopied{kDaysLabel, std::nullopt, kAdjustedDaysLabel};
constexpr Step kDaysPlus31{kDaysLabel, 31, kAdjustedDaysLabel};
constexpr Step kDaysPlus30{kDaysLabel, 30, kAdjustedDaysLabel};

// The buttons borrow a year as twelve months whatever the signs; the two day
// buttons add a month of days without taking that month off the months.
constexpr Step kMonthsBorrow[] = {kYears, kMonths, kDaysCopied};
constexpr Step kDays31Borrow[] = {kDaysPlus31, kYears, kMonths};
constexpr Step kDays30Borrow[] = {kDaysPlus30, kYears, kMonths};

void runStep(core::FormModel& form, const Step& s) {
  if (core::strictConversion(core::getText(form, kBirthYearBox)) == kMarker) {
    core::setText(form, kBirthDayBox, core::integerText(kClearedDay));
    return;
  }
  double value = core::lenientConversion(core::getCaption(form, s.source));
  if (s.add) value = core::checked(value + *s.add);
  core::setCaption(form, s.target, core::numberText(value));
}

core::Status runSteps(core::FormModel& form, core::Caller caller, std::span<const Step> steps) {
  return core::runProcedure(form, caller, [steps](core::FormModel& f) {
    for (const Step& s : steps) runStep(f, s);
  });
}

}  // namespace

core::Status borrowMonths(core::FormModel& form, core::Caller caller) {
  return runSteps(form, caller, kMonthsBorrow);
}

core::Status borrow31Days(core::FormModel& form, core::Caller caller) {
  return runSteps(form, caller, kDays31Borrow);
}

core::Status borrow30Days(core::FormModel& form, core::Caller caller) {
  return runSteps(form, caller, kDays30Borrow);
}

}  // namespace umrak::calc
