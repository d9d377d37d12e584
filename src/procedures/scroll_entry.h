#pragma once

#include "runtime/procedure.h"

namespace umrak::entry {

// Each bar writes its value, as Str-style text, into its date box: on Change,
// and through Change for every value passed while the thumb is dragged.
core::Status VScroll1_Change(core::FormModel& form, core::Caller caller);  // birth year -> Text1
core::Status VScroll1_Scroll(core::FormModel& form, core::Caller caller);
core::Status scroll_Change(core::FormModel& form, core::Caller caller);  // birth day -> Text3
core::Status scroll_Scroll(core::FormModel& form, core::Caller caller);
core::Status HScroll1_Change(core::FormModel& form, core::Caller caller);  // today's day -> Text4
core::Status HScroll1_Scroll(core::FormModel& form, core::Caller caller);
core::Status VScroll2_Change(core::FormModel& form, core::Caller caller);  // current month -> Text5
core::Status VScroll2_Scroll(core::FormModel& form, core::Caller caller);

}  // namespace umrak::entry
