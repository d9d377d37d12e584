#include "procedures/month_buttons.h"

#include <string_view>

#include "form/roles.h"

namespace umrak::entry {

namespace {

constexpr std::u16string_view kMonthTexts[] = {u"1", u"2", u"3", u"4",  u"5",  u"6",
                                               u"7", u"8", u"9", u"10", u"11", u"12"};

template <int Month>
core::Status writeMonth(core::FormModel& form, core::Caller caller) {
  return core::runProcedure(form, caller, [](core::FormModel& f) {
    core::setText(f, form1::kBirthMonthBox, kMonthTexts[Month - 1]);
  });
}

}  // namespace

core::Status Command2_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<1>(f, caller);
}
core::Status Command6_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<2>(f, caller);
}
core::Status Command5_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<3>(f, caller);
}
core::Status Command4_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<4>(f, caller);
}
core::Status Command3_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<5>(f, caller);
}
core::Status Command1_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<6>(f, caller);
}
core::Status Command11_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<7>(f, caller);
}
core::Status Command10_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<8>(f, caller);
}
core::Status Command9_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<9>(f, caller);
}
core::Status Command8_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<10>(f, caller);
}
core::Status Command18_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<11>(f, caller);
}
core::Status Command17_Click(core::FormModel& f, core::Caller caller) {
  return writeMonth<12>(f, caller);
}

}  // namespace umrak::entry
