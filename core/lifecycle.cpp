#include "core/lifecycle.h"

namespace umrak::core {

Status Command12_Click(FormModel& form, Entry entry) {
  return runProcedure(form, entry, [](FormModel& f) { f.end(); });
}

}  // namespace umrak::core
