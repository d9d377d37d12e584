#include "scenario/runner.h"

#include <gtest/gtest.h>

#include <map>

#include "form/form_description.h"
#include "scenario/parser.h"

namespace umrak::scenario {
namespace {

using core::ControlId;

// A program that does nothing but what the test tells it: each action
// reports the errors queued for it.
class FakeDriver final : public Driver {
 public:
  void type(ControlId box, const std::u16string& text) override {
    act("type", box), texts[box] = text;
  }
  void click(ControlId button) override { act("click", button); }
  void change(ControlId bar, std::int16_t v, Via) override { act("change", bar), values[bar] = v; }
  void scroll(ControlId bar, std::int16_t v) override { act("scroll", bar), values[bar] = v; }
  void setClipboard(const std::optional<std::u16string>&) override {}
  void paste(ControlId box) override {
    if (refusePaste) throw CannotPerform("cannot paste");
    act("paste", box);
  }
  void middleClick(ControlId box) override { act("middle", box); }
  std::u16string shown(ControlId id) override { return texts[id]; }
  std::int16_t value(ControlId bar) override { return values.contains(bar) ? values[bar] : 1; }
  int printedCount() override { return printed; }
  int printPosition() override { return printed; }
  bool ended() override { return isEnded; }
  std::vector<core::RunError> takeErrors() override { return std::exchange(reported, {}); }
  std::vector<std::string> takeUnreleased() override { return std::exchange(held, {}); }
  bool failNext(ControlId, core::Op, core::Status) override { return canFail; }

  std::vector<std::string> actions;
  std::map<ControlId, std::u16string> texts;
  std::map<ControlId, std::int16_t> values;
  std::map<std::size_t, std::vector<std::int32_t>> errorsOfAction;  // by action index
  int printed = 0;
  bool isEnded = false;
  bool canFail = true;
  bool refusePaste = false;
  std::vector<std::string> held;

 private:
  void act(const char* verb, ControlId id) {
    for (std::int32_t n : errorsOfAction[actions.size()]) reported.push_back(core::makeError(n));
    actions.push_back(std::string(verb) + " " + std::string(core::controlName(id)));
  }
  std::vector<core::RunError> reported;
};

std::vector<std::string> run(std::string_view source, FakeDriver& driver) {
  const ParsedScript p = parseScript(source, form1::form1Description());
  EXPECT_TRUE(p.errors.empty());
  std::vector<std::string> out;
  for (const Finding& f : runScript(p.script, driver)) {
    out.push_back(std::to_string(f.line) + ": " + f.message);
  }
  return out;
}

using Findings = std::vector<std::string>;

TEST(Runner, ExpectationsCompareWhatTheProgramShows) {
  FakeDriver d;
  d.texts[ControlId::Label8] = u"22";
  d.values[ControlId::VScroll1] = 1980;
  d.printed = 2;
  EXPECT_EQ(run("expect Label8 \"22\"\nexpect VScroll1 1980\nexpect printed 2\n", d), Findings{});

  EXPECT_EQ(run("expect Label8 \" 22\"\nexpect VScroll1 1985\nexpect printed 1\nexpect ended\n", d),
            (Findings{R"(1: Label8: expected " 22", actual "22")",
                      "2: VScroll1: expected 1985, actual 1980",
                      "3: printed: expected 1 times, actual 2 times",
                      "4: program: expected ended, actual still running"}));
}

TEST(Runner, ActionsReachTheDriverInOrder) {
  FakeDriver d;
  run("type Text1 \"1980\"\nclick Command7\nchange VScroll2 12 trough\nscroll scroll 5\n"
      "clipboard \"7\"\npaste Text2\nmiddle Text3\n",
      d);
  EXPECT_EQ(d.actions, (std::vector<std::string>{"type Text1", "click Command7", "change VScroll2",
                                                 "scroll scroll", "paste Text2", "middle Text3"}));
}

TEST(Runner, AnActionTheDriverCannotPerformEndsTheFileAtItsLine) {
  FakeDriver d;
  d.refusePaste = true;
  EXPECT_EQ(run("click Command7\npaste Text1\nclick Command19\n", d),
            Findings{"2: cannot paste; the rest of the file is not run"});
  EXPECT_EQ(d.actions, std::vector<std::string>{"click Command7"});
}

TEST(Runner, ReferencesHeldAfterAnEventAreFindingsAtTheAction) {
  FakeDriver d;
  d.held = {"after Click of Command7 the form holds 2 references"};
  EXPECT_EQ(run("click Command7\nclick Command7\n", d),
            Findings{"1: after Click of Command7 the form holds 2 references"});
}

TEST(Runner, EachReportedErrorMustBeClaimedByAnErrorLine) {
  const struct {
    const char* name;
    const char* script;
    std::vector<std::int32_t> reported;  // by the first action, the click
    Findings findings;
  } cases[] = {
      {"claimed", "click Command7\nerror 13\n", {13}, {}},
      {"claimed after expectations", "click Command7\nexpect Label8 \"\"\nerror 13\n", {13}, {}},
      {"unclaimed",
       "click Command7\nclick Command7\n",
       {13},
       {"1: run-time error: expected none, actual 13 (" + core::errorMessage(13) + ")"}},
      {"unclaimed at the end",
       "click Command7\n",
       {6},
       {"1: run-time error: expected none, actual 6 (" + core::errorMessage(6) + ")"}},
      {"wrong number",
       "click Command7\nerror 13\n",
       {6},
       {"2: run-time error: expected 13, actual 6 (" + core::errorMessage(6) + ")"}},
      {"none reported",
       "click Command7\nerror 13\n",
       {},
       {"2: run-time error: expected 13, actual no error"}},
      {"reported once, claimed twice",
       "click Command7\nerror 13\nerror 13\n",
       {13},
       {"3: run-time error: expected 13, actual no further error"}},
      {"reported twice, claimed once",
       "click Command7\nerror 13\n",
       {13, 13},
       {"1: run-time error: expected none, actual 13 (" + core::errorMessage(13) + ")"}},
      {"error before any action",
       "error 13\nclick Command7\n",
       {},
       {"1: error 13 follows no action"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDriver d;
    d.errorsOfAction[0] = c.reported;
    EXPECT_EQ(run(c.script, d), c.findings);
  }
}

TEST(Runner, AnErrorLineClaimsOnlyTheActionJustBefore) {
  FakeDriver d;
  d.errorsOfAction[0] = {13};
  EXPECT_EQ(
      run("click Command7\nclick Command19\nerror 13\n", d),
      (Findings{"1: run-time error: expected none, actual 13 (" + core::errorMessage(13) + ")",
                "3: run-time error: expected 13, actual no error"}));
}

TEST(Runner, AChangeThatDoesNotMoveTheBarIsAMistakeInTheScript) {
  FakeDriver d;
  d.values[ControlId::VScroll2] = 10;
  EXPECT_EQ(run("change VScroll2 10\n", d),
            Findings{"1: change VScroll2 10 does not move the bar: VScroll2 already stands at 10"});
  EXPECT_TRUE(d.actions.empty());
}

TEST(Runner, FailLinesNeedADriverThatCanInjectFaults) {
  FakeDriver d;
  d.canFail = false;
  EXPECT_EQ(run("fail Text1 get-text -1\n", d),
            Findings{"1: this driver cannot make a property operation fail"});
}

}  // namespace
}  // namespace umrak::scenario
