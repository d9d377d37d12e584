#include "ui/form/credit.h"

namespace umrak::form {

core::Status Command13_Click(core::FormModel& form, core::Entry entry) {
  return core::runProcedure(form, entry,
                            [](core::FormModel& f) { f.print(std::u16string(kCreditLine)); });
}

}  // namespace umrak::form
