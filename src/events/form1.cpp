#include "events/form1.h"

#include "form/form_description.h"
#include "procedures/age.h"
#include "procedures/borrow.h"
#include "procedures/credit.h"
#include "procedures/exit.h"
#include "procedures/month_buttons.h"
#include "procedures/scroll_entry.h"
#include "procedures/zodiac.h"

namespace umrak::form1 {

namespace {

using C = core::ControlId;
using E = core::Event;

constexpr core::EventBinding kBindings[] = {
    {C::Command2, E::Click, entry::Command2_Click},
    {C::Command6, E::Click, entry::Command6_Click},
    {C::Command5, E::Click, entry::Command5_Click},
    {C::Command4, E::Click, entry::Command4_Click},
    {C::Command3, E::Click, entry::Command3_Click},
    {C::Command1, E::Click, entry::Command1_Click},
    {C::Command11, E::Click, entry::Command11_Click},
    {C::Command10, E::Click, entry::Command10_Click},
    {C::Command9, E::Click, entry::Command9_Click},
    {C::Command8, E::Click, entry::Command8_Click},
    {C::Command18, E::Click, entry::Command18_Click},
    {C::Command17, E::Click, entry::Command17_Click},
    {C::Command7, E::Click, calc::Command7_Click},
    {C::Command14, E::Click, calc::Command14_Click},
    {C::Command15, E::Click, calc::Command15_Click},
    {C::Command16, E::Click, calc::Command16_Click},
    {C::Command19, E::Click, zodiac::Command19_Click},
    {C::Command13, E::Click, Command13_Click},
    {C::Command12, E::Click, Command12_Click},
    {C::VScroll1, E::Change, entry::VScroll1_Change},
    {C::VScroll1, E::Scroll, entry::VScroll1_Scroll},
    {C::scroll, E::Change, entry::scroll_Change},
    {C::scroll, E::Scroll, entry::scroll_Scroll},
    {C::HScroll1, E::Change, entry::HScroll1_Change},
    {C::HScroll1, E::Scroll, entry::HScroll1_Scroll},
    {C::VScroll2, E::Change, entry::VScroll2_Change},
    {C::VScroll2, E::Scroll, entry::VScroll2_Scroll},
};

}  // namespace

core::EventTable form1Events() {
  return core::EventTable(kBindings);
}

Form1::Form1(core::ErrorReporter& reporter)
    : model_(form1Description()), dispatcher_(model_, form1Events(), reporter) {}

}  // namespace umrak::form1
