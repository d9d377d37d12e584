#include "scenario/headless_driver.h"

#include <gtest/gtest.h>

namespace umrak::scenario {
namespace {

using core::ControlId;

// Records every text that the bound box of a bar is given.
class BoxWatch final : public core::FormObserver {
 public:
  BoxWatch(core::FormModel& model, ControlId box) : model_(model), box_(box) {
    model_.setObserver(this);
  }
  ~BoxWatch() override { model_.setObserver(nullptr); }
  void propertyChanged(ControlId id) override {
    if (id == box_) writes.push_back(model_.text(id));
  }
  void printed(const core::PrintedLine&) override {}
  void programEnded() override {}

  std::vector<std::u16string> writes;

 private:
  core::FormModel& model_;
  ControlId box_;
};

using Writes = std::vector<std::u16string>;

TEST(HeadlessDriver, DragWritesEveryValuePassedThenOnceMoreOnLettingGo) {
  const struct {
    const char* name;
    std::int16_t to;
    Writes writes;
  } cases[] = {
      {"down", 1983, {u" 1981", u" 1982", u" 1983", u" 1983"}},
      {"up", 1978, {u" 1979", u" 1978", u" 1978"}},
      {"let go where it was taken", 1980, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HeadlessDriver d;
    BoxWatch watch(d.form().model(), ControlId::Text1);
    d.scroll(ControlId::VScroll1, c.to);
    EXPECT_EQ(watch.writes, c.writes);
    EXPECT_EQ(d.value(ControlId::VScroll1), c.to);
    EXPECT_TRUE(d.takeErrors().empty());
  }
}

TEST(HeadlessDriver, EachClickOfAChangeWritesItsStepAndTypingRunsNothing) {
  HeadlessDriver d;
  BoxWatch watch(d.form().model(), ControlId::Text5);
  d.change(ControlId::VScroll2, 7, Via::Arrows);
  d.change(ControlId::VScroll2, 8, Via::Trough);
  EXPECT_EQ(watch.writes, (Writes{u" 9", u" 8", u" 7", u" 8"}));
  watch.writes.clear();
  d.change(ControlId::VScroll2, 3, Via::Arrows);
  EXPECT_EQ(watch.writes.back(), u" 3");

  d.type(ControlId::Text5, u"11");
  EXPECT_EQ(d.shown(ControlId::Text5), u"11");
  EXPECT_EQ(d.value(ControlId::VScroll2), 3);
}

TEST(HeadlessDriver, APasteAppendsTheClipboardAndAMiddleClickChangesNothing) {
  HeadlessDriver d;
  d.type(ControlId::Text1, u"19");
  d.paste(ControlId::Text1);
  d.setClipboard(u"85");
  d.paste(ControlId::Text1);
  d.middleClick(ControlId::Text1);
  EXPECT_EQ(d.shown(ControlId::Text1), u"1985");
  d.setClipboard(std::nullopt);
  d.paste(ControlId::Text1);
  EXPECT_EQ(d.shown(ControlId::Text1), u"1985");
}

TEST(HeadlessDriver, ErrorsAreHandedOverOnceEach) {
  HeadlessDriver d;
  d.click(ControlId::Command19);
  const std::vector<core::RunError> errors = d.takeErrors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].number, core::error::kTypeMismatch);
  EXPECT_TRUE(d.takeErrors().empty());
}

TEST(HeadlessDriver, InjectedFaultHitsTheNextOperationOnly) {
  HeadlessDriver d;
  ASSERT_TRUE(d.failNext(ControlId::Text2, core::Op::SetText, -1));
  d.click(ControlId::Command2);
  d.click(ControlId::Command6);
  const std::vector<core::RunError> errors = d.takeErrors();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].number, -1);
  EXPECT_EQ(d.shown(ControlId::Text2), u"2");
}

}  // namespace
}  // namespace umrak::scenario
