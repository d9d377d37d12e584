#include "calc/age.h"

#include "core/conversions.h"

namespace umrak::calc {

using core::ControlId;

namespace {

// The text written instead of a difference when the birth box holds its marker.
constexpr std::int16_t kMarkerResult = 5;

struct Block {
  ControlId birth;
  double marker;
  ControlId current;
  ControlId result;
};

// Years, days, months: always in this order, each reading its boxes afresh.
constexpr Block kBlocks[] = {
    {ControlId::Text1, 5, ControlId::Text6, ControlId::Label8},
    {ControlId::Text3, 122, ControlId::Text4, ControlId::Label10},
    {ControlId::Text2, 122, ControlId::Text5, ControlId::Label7},
};

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

core::Status Command7_Click(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller, [](core::FormModel& f) {
    for (const Block& b : kBlocks) runBlock(f, b);
  });
}

}  // namespace umrak::calc
