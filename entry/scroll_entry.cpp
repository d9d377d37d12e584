#include "entry/scroll_entry.h"

#include "core/conversions.h"

namespace umrak::entry {

using core::ControlId;

namespace {

template <ControlId Bar, ControlId Box>
core::Status writeValue(core::FormModel& form, core::Entry entry) {
  return core::runProcedure(form, entry, [](core::FormModel& f) {
    core::setText(f, Box, core::strStyleText(core::getValue(f, Bar)));
  });
}

template <core::Procedure Change>
core::Status callChange(core::FormModel& form, core::Entry entry) {
  return core::runProcedure(form, entry,
                            [](core::FormModel& f) { core::callThroughForm(f, Change); });
}

}  // namespace

core::Status VScroll1_Change(core::FormModel& f, core::Entry e) {
  return writeValue<ControlId::VScroll1, ControlId::Text1>(f, e);
}
core::Status VScroll1_Scroll(core::FormModel& f, core::Entry e) {
  return callChange<VScroll1_Change>(f, e);
}
core::Status scroll_Change(core::FormModel& f, core::Entry e) {
  return writeValue<ControlId::scroll, ControlId::Text3>(f, e);
}
core::Status scroll_Scroll(core::FormModel& f, core::Entry e) {
  return callChange<scroll_Change>(f, e);
}
core::Status HScroll1_Change(core::FormModel& f, core::Entry e) {
  return writeValue<ControlId::HScroll1, ControlId::Text4>(f, e);
}
core::Status HScroll1_Scroll(core::FormModel& f, core::Entry e) {
  return callChange<HScroll1_Change>(f, e);
}
core::Status VScroll2_Change(core::FormModel& f, core::Entry e) {
  return writeValue<ControlId::VScroll2, ControlId::Text5>(f, e);
}
core::Status VScroll2_Scroll(core::FormModel& f, core::Entry e) {
  return callChange<VScroll2_Change>(f, e);
}

}  // namespace umrak::entry
