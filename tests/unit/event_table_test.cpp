#include <gtest/gtest.h>

#include <string>

#include "tests/unit/session.h"

namespace umrak::unit {
namespace {

using C = core::ControlId;
using core::Event;

TEST(EventTable, OnlyButtonClicksAndBarMovesReachProcedures) {
  const core::EventTable table = form1::form1Events();
  Session s;
  for (std::size_t i = 0; i < core::kControlCount; ++i) {
    const auto id = static_cast<C>(i);
    const core::Kind kind = s.model().kind(id);
    for (Event event : {Event::Click, Event::Change, Event::Scroll}) {
      SCOPED_TRACE(std::string(core::controlName(id)) + " " +
                   std::to_string(static_cast<int>(event)));
      const bool wired = (kind == core::Kind::CommandButton && event == Event::Click) ||
                         (core::isScrollBar(kind) && event != Event::Click);
      EXPECT_EQ(table.find(id, event) != nullptr, wired);
    }
  }
  EXPECT_EQ(table.bindings().size(), 27u);
}

}  // namespace
}  // namespace umrak::unit
