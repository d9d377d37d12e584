#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "procedures/scroll_entry.h"
#include "tests/unit/session.h"

namespace umrak::unit {
namespace {

using C = core::ControlId;
using core::Event;
using core::Op;

constexpr core::Status kFail = static_cast<core::Status>(0x80004005u);

// The worked example's boxes, with earlier results on show that no click of
// it would write, so that every write can be seen.
void fillForm(Session& s) {
  // clang-format off
  const std::pair<C, const char*> texts[] = {
      {C::Text1, "1980"}, {C::Text2, "7"}, {C::Text3, "20"}, {C::Text4, "15"}, {C::Text5, "10"},
      {C::Text6, "2002"}, {C::Label8, "30"}, {C::Label10, "-1"}, {C::Label7, "-2"},
      {C::Label12, "old"}, {C::Label13, "old"}, {C::Label18, "old"}, {C::Label19, "old"}};
  // clang-format on
  for (const auto& [id, text] : texts) s.type(id, text);
}

struct Fault {
  const char* what;
  C control;
  Op op;
  core::Status status;
  C source;
  Event event;
  std::int32_t number;
  std::vector<std::pair<C, const char*>> shown;
  const char* birthYear = "1980";
};

// clang-format off
const Fault kFaults[] = {
    {"age, birth year unreadable", C::Text1, Op::GetText, vbError(5), C::Command7, Event::Click, 5,
     {{C::Label8, "30"}, {C::Label10, "-1"}, {C::Label7, "-2"}}},
    {"age, days label unwritable", C::Label10, Op::SetCaption, kFail, C::Command7, Event::Click, kFail,
     {{C::Label8, "22"}, {C::Label10, "-1"}, {C::Label7, "-2"}}},
    {"age, current month unreadable", C::Text5, Op::GetText, vbError(7), C::Command7, Event::Click, 7,
     {{C::Label8, "22"}, {C::Label10, "-5"}, {C::Label7, "-2"}}},
    {"borrow, adjusted months unwritable", C::Label13, Op::SetCaption, vbError(9), C::Command14, Event::Click, 9,
     {{C::Label12, "29"}, {C::Label13, "old"}, {C::Label18, "old"}}},
    {"borrow, days unreadable", C::Label10, Op::GetCaption, vbError(11), C::Command15, Event::Click, 11,
     {{C::Label12, "old"}, {C::Label13, "old"}, {C::Label18, "old"}}},
    {"borrow, birth year unreadable", C::Text1, Op::GetText, kFail, C::Command16, Event::Click, kFail,
     {{C::Label12, "old"}, {C::Label18, "old"}, {C::Text3, "20"}}},
    {"borrow marker, birth day unwritable", C::Text3, Op::SetText, vbError(9), C::Command14, Event::Click, 9,
     {{C::Text3, "20"}, {C::Label12, "old"}}, "444444"},
    {"zodiac, month unreadable", C::Text2, Op::GetText, vbError(5), C::Command19, Event::Click, 5,
     {{C::Label19, "old"}}},
    {"zodiac, sign unwritable", C::Label19, Op::SetCaption, kFail, C::Command19, Event::Click, kFail,
     {{C::Label19, "old"}}},
    {"month button, box unwritable", C::Text2, Op::SetText, vbError(5), C::Command2, Event::Click, 5,
     {{C::Text2, "7"}}},
    {"bar change, value unreadable", C::VScroll1, Op::GetValue, vbError(5), C::VScroll1, Event::Change, 5,
     {{C::Text1, "1980"}}},
    {"bar change, box unwritable", C::Text4, Op::SetText, kFail, C::HScroll1, Event::Change, kFail,
     {{C::Text4, "15"}}},
    {"bar drag, value unreadable", C::scroll, Op::GetValue, vbError(5), C::scroll, Event::Scroll, 5,
     {{C::Text3, "20"}}},
    {"bar drag, box unwritable", C::Text5, Op::SetText, kFail, C::VScroll2, Event::Scroll, kFail,
     {{C::Text5, "10"}}},
};
// clang-format on

TEST(Procedure, FailedCallEndsTheProcedureKeepingEarlierWrites) {
  for (const Fault& f : kFaults) {
    SCOPED_TRACE(f.what);
    Session s;
    fillForm(s);
    s.type(C::Text1, f.birthYear);
    s.model().failNext(f.control, f.op, f.status);
    EXPECT_EQ(s.raise(f.source, f.event), core::Outcome::Failed);
    for (const auto& [id, text] : f.shown) {
      EXPECT_EQ(s.shown(id), text) << core::controlName(id);
    }
    EXPECT_EQ(s.errors(), std::vector<std::int32_t>{f.number});
    EXPECT_EQ(s.model().formRefCount(), 1);
    EXPECT_EQ(s.model().liveControlRefs(), 0);
    EXPECT_EQ(s.raise(f.source, f.event), core::Outcome::Completed) << "the program goes on";
    EXPECT_EQ(s.errors().size(), 1u);
  }
}

TEST(Procedure, ErrorInChangeReachedFromScrollIsReportedOnceNamingTheBar) {
  Session s;
  s.model().failNext(C::VScroll1, Op::GetValue, kFail);
  EXPECT_EQ(s.dragTo(C::VScroll1, 1990), core::Outcome::Failed);
  ASSERT_EQ(s.reports().size(), 1u);
  EXPECT_EQ(s.reports()[0].number, kFail);
  EXPECT_NE(s.reports()[0].message.find("VScroll1"), std::string::npos);
  EXPECT_EQ(s.shown(C::Text1), "198");
}

TEST(Procedure, ThroughTheFormInterfaceAFailureComesBackAsTheStatus) {
  for (core::Status status : {vbError(5), kFail}) {
    SCOPED_TRACE(status);
    Session s;
    s.model().failNext(C::HScroll1, Op::GetValue, status);
    EXPECT_EQ(entry::throughForm<entry::fillTodaysDay>(s.model(), core::Caller::FormInterface),
              status);
    EXPECT_EQ(s.model().formRefCount(), 1);
    EXPECT_EQ(s.model().liveControlRefs(), 0);
    EXPECT_TRUE(s.errors().empty());
  }
}

// Every procedure from start-up, from its event and through the form
// interface: the age and zodiac buttons fail on the empty boxes, nothing else does.
TEST(Procedure, EveryProcedureGivesBackEverythingItHeld) {
  const core::EventTable events = form1::form1Events();
  for (const core::EventBinding& b : events.bindings()) {
    SCOPED_TRACE(std::string(core::controlName(b.control)) + " " +
                 std::to_string(static_cast<int>(b.event)));
    const bool fails = b.control == C::Command7 || b.control == C::Command19;
    Session fromEvent;
    EXPECT_EQ(fromEvent.raise(b.control, b.event),
              fails ? core::Outcome::Failed : core::Outcome::Completed);
    EXPECT_EQ(fromEvent.model().formRefCount(), 1);
    EXPECT_EQ(fromEvent.model().liveControlRefs(), 0);

    Session throughForm;
    EXPECT_EQ(b.procedure(throughForm.model(), core::Caller::FormInterface),
              fails ? vbError(13) : core::kOk);
    EXPECT_EQ(throughForm.model().formRefCount(), 1);
    EXPECT_EQ(throughForm.model().liveControlRefs(), 0);
  }
}

// Notes the form's reference count at every write of a property.
class RefCountWatch final : public core::FormObserver {
 public:
  explicit RefCountWatch(core::FormModel& form) : form_(form) { form.setObserver(this); }
  ~RefCountWatch() override { form_.setObserver(nullptr); }
  void propertyChanged(core::ControlId) override { seen.push_back(form_.formRefCount()); }
  void printed(const core::PrintedLine&) override {}
  void programEnded() override {}
  std::vector<int> seen;

 private:
  core::FormModel& form_;
};

TEST(Procedure, EachProcedureHoldsTheFormWhileItRuns) {
  Session s;
  RefCountWatch watch(s.model());
  s.click(C::Command11);
  // Each Scroll procedure holds the form, and so does the Change it calls.
  for (C bar : {C::VScroll1, C::scroll, C::HScroll1, C::VScroll2}) s.raise(bar, Event::Scroll);
  EXPECT_EQ(watch.seen, (std::vector<int>{2, 3, 3, 3, 3}));
}

}  // namespace
}  // namespace umrak::unit
