#include "procedures/credit.h"

namespace umrak::form1 {

core::Status printCredit(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller,
                            [](core::FormModel& f) { f.print(std::u16string(kCreditLine)); });
}

}  // namespace umrak::form1
