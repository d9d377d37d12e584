#include "zodiac/zodiac.h"

#include "core/conversions.h"

namespace umrak::zodiac {

core::Status Command19_Click(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller, [](core::FormModel& f) {
    // Twelve separate tests, each on a fresh read of the box: no early exit.
    for (std::size_t k = 1; k <= kSignTexts.size(); ++k) {
      if (core::strictConversion(core::getText(f, core::ControlId::Text2)) ==
          static_cast<double>(k)) {
        core::setCaption(f, core::ControlId::Label19, kSignTexts[k - 1]);
      }
    }
  });
}

}  // namespace umrak::zodiac
