#pragma once

#include "runtime/procedure.h"

namespace umrak::form1 {

// The exit button: ends the program at once, asking nothing.
core::Status endProgram(core::FormModel& form, core::Caller caller);

}  // namespace umrak::form1
