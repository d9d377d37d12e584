#include <gtest/gtest.h>

#include <utility>

#include "tests/unit/session.h"

namespace umrak::unit {
namespace {

using C = core::ControlId;
using core::Event;

TEST(Dispatcher, EventsWithoutAProcedureChangeNothing) {
  const std::pair<C, Event> events[] = {
      {C::Label1, Event::Click},     {C::Label8, Event::Click},   {C::Text1, Event::Change},
      {C::Text2, Event::Click},      {C::Frame3, Event::Click},   {C::Command7, Event::Change},
      {C::Command14, Event::Scroll}, {C::VScroll1, Event::Click},
  };
  Session s;
  const auto before = s.everything();
  for (const auto& [id, event] : events) {
    SCOPED_TRACE(core::controlName(id));
    EXPECT_EQ(s.raise(id, event), core::Outcome::NoProcedure);
  }
  EXPECT_EQ(s.everything(), before);
  EXPECT_TRUE(s.errors().empty());
  EXPECT_EQ(s.model().printCount(), 0);
}

TEST(Dispatcher, AfterTheExitButtonNoEventRunsAnything) {
  Session s;
  EXPECT_FALSE(s.model().ended());
  EXPECT_EQ(s.click(C::Command12), core::Outcome::Completed);
  EXPECT_TRUE(s.model().ended());
  const auto before = s.everything();
  EXPECT_EQ(s.click(C::Command11), core::Outcome::NoProcedure);
  EXPECT_EQ(s.click(C::Command7), core::Outcome::NoProcedure);
  EXPECT_EQ(s.change(C::VScroll1, 1990), core::Outcome::NoProcedure);
  EXPECT_EQ(s.click(C::Command13), core::Outcome::NoProcedure);
  EXPECT_EQ(s.everything(), before);
  EXPECT_EQ(s.model().printCount(), 0);
  EXPECT_TRUE(s.errors().empty());
}

}  // namespace
}  // namespace umrak::unit
