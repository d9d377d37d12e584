#include "procedures/exit.h"

namespace umrak::form1 {

core::Status endProgram(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller, [](core::FormModel& f) { f.end(); });
}

}  // namespace umrak::form1
