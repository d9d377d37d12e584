#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/unit/session.h"

namespace umrak::unit {
namespace {

using C = core::ControlId;

// Month number and its button; the names do not follow the months.
const std::pair<const char*, C> kMonthButtons[] = {
    {"1", C::Command2}, {"2", C::Command6},  {"3", C::Command5},   {"4", C::Command4},
    {"5", C::Command3}, {"6", C::Command1},  {"7", C::Command11},  {"8", C::Command10},
    {"9", C::Command9}, {"10", C::Command8}, {"11", C::Command18}, {"12", C::Command17},
};

TEST(MonthButtons, EachReplacesTheBirthMonthWithItsCaption) {
  for (const auto& [month, button] : kMonthButtons) {
    SCOPED_TRACE(month);
    Session s;
    s.type(C::Text2, "abc 3");
    EXPECT_EQ(s.click(button), core::Outcome::Completed);
    EXPECT_EQ(s.shown(C::Text2), month);
    EXPECT_EQ(s.shown(C::Text2), s.model().record(button).text);
  }
}

TEST(MonthButtons, ClickChangesNothingButTheBirthMonth) {
  Session s;
  s.type(C::Text2, "7");
  s.click(C::Command19);
  s.type(C::Text2, "3");
  auto expected = s.everything();
  expected[core::indexOf(C::Text2)] = u"10";
  s.click(C::Command8);
  s.click(C::Command8);
  EXPECT_EQ(s.everything(), expected);
  EXPECT_EQ(s.shown(C::Label19), "انت من برج السرطان");
}

struct Binding {
  C bar;
  C box;
};

const Binding kBars[] = {
    {C::VScroll1, C::Text1},
    {C::scroll, C::Text3},
    {C::HScroll1, C::Text4},
    {C::VScroll2, C::Text5},
};

TEST(ScrollBars, ChangeAndDragWriteEveryValueWithItsBlank) {
  for (const Binding& b : kBars) {
    SCOPED_TRACE(core::controlName(b.bar));
    Session s;
    const core::ScrollSettings range = s.model().record(b.bar).scroll;
    for (int v = range.min; v <= range.max; ++v) {
      const std::string expected = " " + std::to_string(v);
      s.type(b.box, "typed");
      EXPECT_EQ(s.dragTo(b.bar, static_cast<std::int16_t>(v)), core::Outcome::Completed);
      EXPECT_EQ(s.shown(b.box), expected);
      s.type(b.box, "typed");
      EXPECT_EQ(s.change(b.bar, static_cast<std::int16_t>(v)), core::Outcome::Completed);
      EXPECT_EQ(s.shown(b.box), expected);
    }
    EXPECT_TRUE(s.errors().empty());
  }
}

TEST(ScrollBars, BoxesAndBarsDisagreeUntilABarMoves) {
  Session s;
  EXPECT_EQ(s.shown(C::Text1), "198");
  EXPECT_EQ(s.model().value(C::VScroll1), 1980);
  EXPECT_EQ(s.shown(C::Text5), "10");
  EXPECT_EQ(s.model().value(C::VScroll2), 10);
  EXPECT_EQ(s.shown(C::Text3), "");
  EXPECT_EQ(s.model().value(C::scroll), 1);
  EXPECT_EQ(s.shown(C::Text4), "");
  EXPECT_EQ(s.model().value(C::HScroll1), 1);

  s.type(C::Text4, "12");
  EXPECT_EQ(s.model().value(C::HScroll1), 1);
  s.click(C::Command7);
  EXPECT_EQ(s.shown(C::Text4), "12");
  s.change(C::HScroll1, 7);
  EXPECT_EQ(s.shown(C::Text4), " 7");
}

}  // namespace
}  // namespace umrak::unit
