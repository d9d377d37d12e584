#include "procedures/zodiac.h"

#include "form/roles.h"
#include "runtime/conversions.h"

namespace umrak::zodiac {

core::Status showSign(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller, [](core::FormModel& f) {
    // Twelve separate tests, each on a fresh read of the birth month, with no
    // early exit, as the program has always done: every read is a chance for
    // the box to fail, and a box that is no number fails at the first. A
    // number that is not exactly one of 1 to 12 (0, 13, 7.5) matches no test
    // and leaves the sign as it was.
    for (std::size_t k = 1; k <= kSignTexts.size(); ++k) {
      if (core::strictConversion(core::getText(f, form1::kBirthMonthBox)) ==
          static_cast<double>(k)) {
        core::setCaption(f, form1::kSignLabel, kSignTexts[k - 1]);
      }
    }
  });
}

}  // namespace umrak::zodiac
