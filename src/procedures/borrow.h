#pragma once

#include "runtime/procedure.h"

namespace umrak::calc {

// The three green buttons: re-express the age triple by borrowing a year as
// twelve months and, for the last two, a month as 31 or 30 days.
core::Status Command14_Click(core::FormModel& form, core::Caller caller);
core::Status Command15_Click(core::FormModel& form, core::Caller caller);
core::Status Command16_Click(core::FormModel& form, core::Caller caller);

}  // namespace umrak::calc
