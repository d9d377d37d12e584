#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/unit/session.h"

namespace unit {
namespace {

using C = core::ControlId;
using core::Event;

TEST(EventTable, OnlyButtonClicksAndBarMovesReachProcedures) {
  const core::EventTable table = form::form1Events();
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

TEST(EventTable, EventsWithoutAProcedureChangeNothing) {
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

TEST(ExitButton, EndsTheProgramAndNoLaterEventRunsAnything) {
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

TEST(Form1, WorkedExampleFromBarsToZodiac) {
  Session s;
  for (std::int16_t year = 1981; year <= 1985; ++year) s.dragTo(C::VScroll1, year);
  s.raise(C::VScroll1, Event::Change);
  s.click(C::Command11);
  s.change(C::scroll, 20);
  s.change(C::HScroll1, 15);
  EXPECT_EQ(s.shown(C::Text1), " 1985");
  EXPECT_EQ(s.shown(C::Text2), "7");
  EXPECT_EQ(s.shown(C::Text3), " 20");
  EXPECT_EQ(s.shown(C::Text4), " 15");

  s.click(C::Command7);
  EXPECT_EQ(s.shown(C::Label8), "17");
  EXPECT_EQ(s.shown(C::Label10), "-5");
  EXPECT_EQ(s.shown(C::Label7), "3");

  s.click(C::Command15);
  EXPECT_EQ(s.shown(C::Label18), "26");
  EXPECT_EQ(s.shown(C::Label12), "16");
  EXPECT_EQ(s.shown(C::Label13), "15");

  s.click(C::Command19);
  EXPECT_EQ(s.shown(C::Label19), "انت من برج السرطان");
  EXPECT_TRUE(s.errors().empty());
}

// The rows that hold a printed line; every printed line is the credit line.
std::vector<int> printedRows(Session& s) {
  std::vector<int> rows;
  for (const core::PrintedLine& line : s.model().printedLines()) {
    EXPECT_EQ(core::utf16ToUtf8(line.text), "مع تحياتى زمكلود");
    rows.push_back(line.row);
  }
  return rows;
}

TEST(CreditButton, EachClickPrintsTheLineOnceMoreBelowTheLast) {
  Session s;
  const auto before = s.everything();
  EXPECT_EQ(s.click(C::Command13), core::Outcome::Completed);
  EXPECT_EQ(printedRows(s), std::vector<int>{0});
  EXPECT_EQ(s.everything(), before);
  s.click(C::Command13);
  s.click(C::Command13);
  EXPECT_EQ(s.model().printCount(), 3);
  EXPECT_EQ(printedRows(s), (std::vector<int>{0, 1, 2}));
}

TEST(CreditButton, RepaintErasesLinesButTheNextPrintGoesOnBelow) {
  Session s;
  for (int i = 0; i < 3; ++i) s.click(C::Command13);
  s.model().erasePrinted(0, 1);
  EXPECT_EQ(printedRows(s), std::vector<int>{2});
  s.click(C::Command13);
  EXPECT_EQ(s.model().printCount(), 4);
  EXPECT_EQ(printedRows(s), (std::vector<int>{2, 3}));
}

}  // namespace
}  // namespace unit
