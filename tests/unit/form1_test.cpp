#include <gtest/gtest.h>

#include <vector>

#include "tests/unit/session.h"

namespace umrak::unit {
namespace {

using C = core::ControlId;
using core::Event;

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

// Every print the form tells the window to draw.
class PrintWatch final : public core::FormObserver {
 public:
  explicit PrintWatch(core::FormModel& form) : form_(form) { form.setObserver(this); }
  ~PrintWatch() override { form_.setObserver(nullptr); }
  void propertyChanged(core::ControlId) override {}
  void printed(const core::PrintedLine& line) override { lines.push_back(line); }
  void programEnded() override {}
  std::vector<core::PrintedLine> lines;

 private:
  core::FormModel& form_;
};

TEST(CreditButton, EachClickPrintsTheLineOnceMoreBelowTheLast) {
  Session s;
  PrintWatch watch(s.model());
  const auto before = s.everything();
  const std::u16string credit = core::utf8ToUtf16("مع تحياتى زمكلود");
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(s.click(C::Command13), core::Outcome::Completed);
    EXPECT_EQ(s.model().lastPrinted(), (core::PrintedLine{row, credit}));
    EXPECT_EQ(s.model().printCount(), row + 1);
    EXPECT_EQ(s.model().printPosition(), row + 1);
  }
  EXPECT_EQ(watch.lines, (std::vector<core::PrintedLine>{{0, credit}, {1, credit}, {2, credit}}));
  EXPECT_EQ(s.everything(), before);
}

// The form keeps no list of what it printed, only the count and the last line.
TEST(CreditButton, ThePrintPositionOnlyMovesOn) {
  Session s;
  EXPECT_FALSE(s.model().lastPrinted());
  EXPECT_EQ(s.model().printPosition(), 0);
  for (int i = 0; i < 10000; ++i) s.click(C::Command13);
  EXPECT_EQ(s.model().printCount(), 10000);
  EXPECT_EQ(s.model().printPosition(), 10000);
  EXPECT_EQ(s.model().lastPrinted()->row, 9999);
}

}  // namespace
}  // namespace umrak::unit
