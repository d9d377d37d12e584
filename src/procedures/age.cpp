#include "procedures/age.h"

#include "form/roles.h"
#include "runtime/conversions.h"

namespace umrak::calc {

using namespace form1;  // the roles of the form's controls

namespace {

// The program has always answered a marker value in a birth box with the
// text "5" in place of the difference; users may rely on it, so it stays.
constexpr std::int16_t kMarkerResult = 5;

struct Block {
  core::ControlId birth;
  double marker;
  core::ControlId current;
  core::ControlId result;
};

// Years, days, months: always in this order, each reading its boxes afresh.
// The markers are the program's own and kept as they were: 5 for the birth
// year, but 122 for the birth day and month, values no date can hold.
constexpr Block kBlocks[] = {
    {kBirthYearBox, 5, kCurrentYearBox, kYearsLabel},
    {kBirthDayBox, 122, kTodaysDayBox, kDaysLabel},
    {kBirthMonthBox, 122, kCurrentMonthBox, kMonthsLabel},
};

// The birth box is read twice on purpose, strictly for the marker and then
// leniently for the value: an empty or non-numeric birth box is an error,
// while a current box is taken for whatever number it begins with.
void runBlock(core::FormModel& form, const Block& b) {
  if (core::strictConversion(core::getText(form, b.birth)) == b.marker) {
    core::setCaption(form, b.result, core::integerText(kMarkerResult));
    return;
  }
  const double birth = core::lenientConversion(core::getText(form, b.birth));
  const double current = core::lenientConversion(core::getText(form, b.current));
  const double difference = core::checked(current - birth);
  core::setCaption(form, b.result, core::numberText(difference));
}

}  // namespace

core::Status showAge(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller, [](core::FormModel& f) {
    for (const Block& b : kBlocks) runBlock(f, b);
  });
}

}  // namespace umrak::calc
