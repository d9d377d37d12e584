#include <gtest/gtest.h>

#include <set>

#include "form/form_description.h"
#include "scenario/headless_driver.h"
#include "scenario/parser.h"
#include "scenario/runner.h"
#include "scenario/writer.h"
#include "sessions/generator.h"
#include "sessions/play.h"
#include "sessions/report.h"
#include "sessions/shrink.h"

namespace umrak::sessions {
namespace {

using C = core::ControlId;
using scenario::Script;

TEST(Sessions, ASeedGivesOneSessionThatReadsBackAsWritten) {
  for (std::uint64_t seed = 0; seed < 300; ++seed) {
    SCOPED_TRACE(seed);
    const Script session = generateSession(seed, {});
    EXPECT_EQ(session, generateSession(seed, {}));
    EXPECT_TRUE(readsBack(session));
  }
}

// Every kind of action, every button and every date box turn up in a few
// thousand sessions; the exit button ends a session; no failure is injected
// where the window has to follow.
TEST(Sessions, SessionsReachEveryActionAndEndAtTheExitButton) {
  std::set<std::string> seen;
  for (std::uint64_t seed = 0; seed < 3000; ++seed) {
    for (const bool failures : {true, false}) {
      const Script session = generateSession(seed, {30, failures});
      for (std::size_t i = 0; i < session.size(); ++i) {
        const scenario::Step& step = session[i].step;
        const std::string line = scenario::writeStep(step);
        seen.insert(line.substr(0, line.find(' ')));
        if (const auto* c = std::get_if<scenario::Click>(&step)) {
          seen.insert(std::string(core::controlName(c->button)));
          EXPECT_TRUE(c->button != C::Command12 || i + 1 == session.size());
        }
        if (const auto* t = std::get_if<scenario::Type>(&step)) {
          seen.insert("type " + std::string(core::controlName(t->box)));
          if (t->text.size() >= 1 << 20) seen.insert("a megabyte");
        }
        if (const auto* c = std::get_if<scenario::Change>(&step)) {
          seen.insert(c->via == scenario::Via::Trough ? "trough" : "arrows");
        }
        EXPECT_TRUE(failures || !std::holds_alternative<scenario::Fail>(step));
      }
    }
  }
  for (const char* expected :
       {"type", "click", "change", "scroll", "clipboard", "paste", "middle", "fail", "trough",
        "arrows", "a megabyte", "type Text1", "type Text6", "Command1", "Command12", "Command19"}) {
    EXPECT_TRUE(seen.contains(expected)) << expected;
  }
}

TEST(Sessions, ShrinkingKeepsOnlyTheActionsAndCharactersTheFailureNeeds) {
  const auto p = scenario::parseScript(
      "click Command2\ntype Text1 \"1990\"\nchange VScroll2 11\ntype Text3 \"x\"\nclick Command7\n"
      "click Command13\n",
      form1::form1Description());
  ASSERT_TRUE(p.errors.empty());
  // Fails while Text1 gets a 9 somewhere before the age button.
  const auto fails = [](const Script& s) {
    bool nine = false;
    for (const scenario::Command& c : s) {
      if (const auto* t = std::get_if<scenario::Type>(&c.step)) {
        nine = t->box == C::Text1 && t->text.find(u'9') != std::u16string::npos;
      }
      const auto* click = std::get_if<scenario::Click>(&c.step);
      if (nine && click && click->button == C::Command7) return true;
    }
    return false;
  };
  EXPECT_EQ(scenario::writeScript(shrink(p.script, fails)), "type Text1 \"9\"\nclick Command7\n");
}

// A window stand-in that drops the last character of every paste.
class LossyPaste final : public scenario::Driver {
 public:
  void type(C b, const std::u16string& t) override { form_.type(b, t); }
  void click(C b) override { form_.click(b); }
  void change(C b, std::int16_t v, scenario::Via via) override { form_.change(b, v, via); }
  void scroll(C b, std::int16_t v) override { form_.scroll(b, v); }
  void setClipboard(const std::optional<std::u16string>& t) override {
    form_.setClipboard(t && !t->empty() ? std::optional(t->substr(0, t->size() - 1)) : t);
  }
  void paste(C b) override { form_.paste(b); }
  void middleClick(C b) override { form_.middleClick(b); }
  std::u16string shown(C c) override { return form_.shown(c); }
  std::int16_t value(C b) override { return form_.value(b); }
  int printedCount() override { return form_.printedCount(); }
  int printPosition() override { return form_.printPosition(); }
  bool ended() override { return form_.ended(); }
  std::vector<core::RunError> takeErrors() override { return form_.takeErrors(); }
  std::vector<std::string> takeUnreleased() override { return form_.takeUnreleased(); }
  bool failNext(C, core::Op, core::Status) override { return false; }

 private:
  scenario::HeadlessDriver form_;
};

TEST(Sessions, AFailureIsWrittenAsAScenarioThatPassesOnTheModelAndFailsInTheWindow) {
  const scenario::DriverFactory lossy = [] { return std::make_unique<LossyPaste>(); };
  const auto p = scenario::parseScript(
      "click Command19\nclipboard \"1980\"\ntype Text1 \"\"\npaste Text1\nclick Command7\n",
      form1::form1Description());
  ASSERT_TRUE(p.errors.empty());
  const std::optional<Failure> f = playSideBySide(p.script, lossy);
  ASSERT_TRUE(f);
  EXPECT_EQ(f->action, 3u);
  const std::string file = failureScenario(p.script, *f, "found");
  EXPECT_EQ(file,
            "# found\nclick Command19\nerror 13\nclipboard \"1980\"\ntype Text1 \"\"\n"
            "paste Text1\nexpect Text1 \"1980\"\n");

  const auto replay = scenario::parseScript(file, form1::form1Description());
  scenario::HeadlessDriver model;
  EXPECT_TRUE(scenario::runScript(replay.script, model).empty());
  LossyPaste window;
  EXPECT_EQ(scenario::runScript(replay.script, window).size(), 1u);
}

}  // namespace
}  // namespace umrak::sessions
