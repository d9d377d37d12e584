#pragma once

#include "runtime/procedure.h"

namespace umrak::entry {

// The twelve month buttons each replace the birth month in Text2 with their
// own number. The control names do not follow the months.
core::Status Command2_Click(core::FormModel& form, core::Caller caller);   // 1
core::Status Command6_Click(core::FormModel& form, core::Caller caller);   // 2
core::Status Command5_Click(core::FormModel& form, core::Caller caller);   // 3
core::Status Command4_Click(core::FormModel& form, core::Caller caller);   // 4
core::Status Command3_Click(core::FormModel& form, core::Caller caller);   // 5
core::Status Command1_Click(core::FormModel& form, core::Caller caller);   // 6
core::Status Command11_Click(core::FormModel& form, core::Caller caller);  // 7
core::Status Command10_Click(core::FormModel& form, core::Caller caller);  // 8
core::Status Command9_Click(core::FormModel& form, core::Caller caller);   // 9
core::Status Command8_Click(core::FormModel& form, core::Caller caller);   // 10
core::Status Command18_Click(core::FormModel& form, core::Caller caller);  // 11
core::Status Command17_Click(core::FormModel& form, core::Caller caller);  // 12

}  // namespace umrak::entry
