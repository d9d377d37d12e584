#include "calc/borrow.h"

#include <optional>
#include <span>

#include "core/conversions.h"

namespace umrak::calc {

using core::ControlId;

namespace {

// A birth year of 444444 turns every step into clearing the birth day.
constexpr double kMarker = 444444;
constexpr std::int16_t kClearedDay = 0;

struct Step {
  ControlId source;
  std::optional<double> add;  // none: the value is copied, with no arithmetic
  ControlId target;
};

constexpr Step kYears{ControlId::Label8, -1, ControlId::Label12};
constexpr Step kMonths{ControlId::Label7, 12, ControlId::Label13};
constexpr Step kDaysCopied{ControlId::Label10, std::nullopt, ControlId::Label18};
constexpr Step kDaysPlus31{ControlId::Label10, 31, ControlId::Label18};
constexpr Step kDaysPlus30{ControlId::Label10, 30, ControlId::Label18};

constexpr Step kCommand14[] = {kYears, kMonths, kDaysCopied};
constexpr Step kCommand15[] = {kDaysPlus31, kYears, kMonths};
constexpr Step kCommand16[] = {kDaysPlus30, kYears, kMonths};

void runStep(core::FormModel& form, const Step& s) {
  if (core::strictConversion(core::getText(form, ControlId::Text1)) == kMarker) {
    core::setText(form, ControlId::Text3, core::integerText(kClearedDay));
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

core::Status Command14_Click(core::FormModel& form, core::Caller caller) {
  return runSteps(form, caller, kCommand14);
}

core::Status Command15_Click(core::FormModel& form, core::Caller caller) {
  return runSteps(form, caller, kCommand15);
}

core::Status Command16_Click(core::FormModel& form, core::Caller caller) {
  return runSteps(form, caller, kCommand16);
}

}  // namespace umrak::calc
