#pragma once

#include "core/frame.h"

namespace umrak::entry {

// Each bar writes its value, as Str-style text, into its date box: on Change,
// and through Change for every value passed while the thumb is dragged.
core::Status VScroll1_Change(core::FormModel& form, core::Entry entry);  // birth year -> Text1
core::Status VScroll1_Scroll(core::FormModel& form, core::Entry entry);
core::Status scroll_Change(core::FormModel& form, core::Entry entry);  // birth day -> Text3
core::Status scroll_Scroll(core::FormModel& form, core::Entry entry);
core::Status HScroll1_Change(core::FormModel& form, core::Entry entry);  // today's day -> Text4
core::Status HScroll1_Scroll(core::FormModel& form, core::Entry entry);
core::Status VScroll2_Change(core::FormModel& form, core::Entry entry);  // current month -> Text5
core::Status VScroll2_Scroll(core::FormModel& form, core::Entry entry);

}  // namespace umrak::entry
