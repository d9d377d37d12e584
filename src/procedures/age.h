#pragma once

#include "runtime/procedure.h"

namespace umrak::calc {

// The enter button: the age as three plain differences, current minus birth,
// into Label8 (years), Label10 (days) and Label7 (months).
core::Status showAge(core::FormModel& form, core::Caller caller);

}  // namespace umrak::calc
