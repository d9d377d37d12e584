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

// Keyed by the form's own control and event names, so that the table reads
// like the form: Command7's Click shows the age.
constexpr core::EventBinding kBindings[] = {
    {C::Command2, E::Click, entry::setBirthMonth<1>},
    {C::Command6, E::Click, entry::setBirthMonth<2>},
    {C::Command5, E::Click, entry::setBirthMonth<3>},
    {C::Command4, E::Click, entry::setBirthMonth<4>},
    {C::Command3, E::Click, entry::setBirthMonth<5>},
    {C::Command1, E::Click, entry::setBirthMonth<6>},
    {C::Command11, E::Click, entry::setBirthMonth<7>},
    {C::Command10, E::Click, entry::setBirthMonth<8>},
    {C::Command9, E::Click, entry::setBirthMonth<9>},
    {C::Command8, E::Click, entry::setBirthMonth<10>},
    {C::Command18, E::Click, entry::setBirthMonth<11>},
    {C::Command17, E::Click, entry::setBirthMonth<12>},
    {C::Command7, E::Click, calc::showAge},
    {C::Command14, E::Click, calc::borrowMonths},
    {C::Command15, E::Click, calc::borrow31Days},
    {C::Command16, E::Click, calc::borrow30Days},
    {C::Command19, E::Click, zodiac::showSign},
    {C::Command13, E::Click, printCredit},
    {C::Command12, E::Click, endProgram},
    {C::VScroll1, E::Change, entry::fillBirthYear},
    {C::VScroll1, E::Scroll, entry::throughForm<entry::fillBirthYear>},
    {C::scroll, E::Change, entry::fillBirthDay},
    {C::scroll, E::Scroll, entry::throughForm<entry::fillBirthDay>},
    {C::HScroll1, E::Change, entry::fillTodaysDay},
    {C::HScroll1, E::Scroll, entry::throughForm<entry::fillTodaysDay>},
    {C::VScroll2, E::Change, entry::fillCurrentMonth},
    {C::VScroll2, E::Scroll, entry::throughForm<entry::fillCurrentMonth>},
};

}  // namespace

core::EventTable form1Events() {
  return core::EventTable(kBindings);
}

Form1::Form1(core::ErrorReporter& reporter)
    : model_(form1Description()), dispatcher_(model_, form1Events(), reporter) {}

}  // namespace umrak::form1
