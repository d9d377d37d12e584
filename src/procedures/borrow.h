#pragma once

#include "runtime/procedure.h"

namespace umrak::calc {

// The three green buttons: re-express the age triple by borrowing a year as
// twelve months and, for the last two, a month as 31 or 30 days.
core::Status borrowMonths(core::FormModel& form, core::Caller caller);
core::Status borrow31Days(core::FormModel& form, core::Caller caller);
core::Status borrow30Days(core::FormModel& form, core::Caller caller);

}  // namespace umrak::calc
