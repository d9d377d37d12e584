#include "scenario/parser.h"

#include <gtest/gtest.h>

#include "form/form_description.h"

namespace umrak::scenario {
namespace {

using core::ControlId;

ParsedScript parse(std::string_view source) {
  return parseScript(source, form1::form1Description());
}

Step onlyStep(std::string_view line) {
  const ParsedScript p = parse(line);
  EXPECT_TRUE(p.errors.empty()) << p.errors.front().message;
  EXPECT_EQ(p.script.size(), 1u);
  return p.script.empty() ? Step{ExpectEnded{}} : p.script.front().step;
}

TEST(Parser, EachCommandBecomesItsStep) {
  EXPECT_EQ(std::get<Type>(onlyStep(R"(type Text1 " 1980")")).text, u" 1980");
  EXPECT_EQ(std::get<Click>(onlyStep("click Command7")).button, ControlId::Command7);

  const auto change = std::get<Change>(onlyStep("change VScroll1 1985"));
  EXPECT_EQ(change.bar, ControlId::VScroll1);
  EXPECT_EQ(change.value, 1985);
  EXPECT_EQ(std::get<Scroll>(onlyStep("scroll scroll 31")).bar, ControlId::scroll);

  const auto shown = std::get<ExpectShown>(onlyStep(R"(expect Label19 "انت")"));
  EXPECT_EQ(shown.control, ControlId::Label19);
  EXPECT_EQ(shown.text, u"انت");
  EXPECT_EQ(std::get<ExpectValue>(onlyStep("expect HScroll1 1")).value, 1);
  EXPECT_EQ(std::get<ExpectPrinted>(onlyStep("expect printed 3")).count, 3);
  EXPECT_TRUE(std::holds_alternative<ExpectEnded>(onlyStep("expect ended")));
  EXPECT_EQ(std::get<ExpectError>(onlyStep("error -2147467259")).number, -2147467259);

  const auto fail = std::get<Fail>(onlyStep("fail Label7 set-caption -2146828283"));
  EXPECT_EQ(fail.control, ControlId::Label7);
  EXPECT_EQ(fail.op, core::Op::SetCaption);
  EXPECT_EQ(fail.status, -2146828283);
}

TEST(Parser, ARoleNamesItsControl) {
  const struct {
    const char* byRole;
    const char* byName;
  } cases[] = {
      {"click enter_button", "click Command7"},
      {"click june_button", "click Command1"},
      {"click days31_borrow_button", "click Command15"},
      {R"(type birth_year_box "1980")", R"(type Text1 "1980")"},
      {"scroll birth_day_bar 20", "scroll scroll 20"},
      {"change todays_day_bar 15 trough", "change HScroll1 15 trough"},
      {R"(expect years_label "22")", R"(expect Label8 "22")"},
      {"fail current_month_bar get-value -1", "fail VScroll2 get-value -1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.byRole);
    EXPECT_EQ(onlyStep(c.byRole), onlyStep(c.byName));
  }
}

TEST(Parser, CommandsKeepTheirLineNumbersAcrossCommentsAndCrLf) {
  const ParsedScript p =
      parse("# set up\r\n\r\ntype Text2 \"7\"\r\n  # ask\r\nclick Command19\r\n");
  ASSERT_TRUE(p.errors.empty());
  ASSERT_EQ(p.script.size(), 2u);
  EXPECT_EQ(p.script[0].line, 3);
  EXPECT_EQ(std::get<Type>(p.script[0].step).text, u"7");
  EXPECT_EQ(p.script[1].line, 5);
}

TEST(Parser, BadLinesAreReportedWithTheirMeaning) {
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {"press Command7", R"(unknown command "press")"},
      {"click Command20", R"(unknown control "Command20")"},
      {"click text1", R"(unknown control "text1")"},
      {"click kEnterButton", R"(unknown control "kEnterButton")"},
      {"click Enter_Button", R"(unknown control "Enter_Button")"},
      {R"(type years_label "22")", "type needs a text box, and Label8 is a label"},
      {"click", "missing a control after click"},
      {"click Command7 Command8", "too many arguments for click"},
      {R"("click" Command7)", "expected a command, found a text"},
      {R"(type Label8 "22")", "type needs a text box, and Label8 is a label"},
      {"type Text1 1980", "type needs a quoted text"},
      {"click Label8", "click needs a command button, and Label8 is a label"},
      {"change Text1 5", "change needs a scroll bar, and Text1 is a text box"},
      {"change VScroll1 2004", "2004 is outside VScroll1's range 1920..2003"},
      {"scroll VScroll2 0", "0 is outside VScroll2's range 1..12"},
      {"scroll HScroll1 x", R"(HScroll1 needs a whole number, not "x")"},
      {"expect scroll 32", "32 is outside scroll's range 1..31"},
      {"expect Text1 1980", "expect Text1 needs a quoted text"},
      {"expect Frame1 \"\"",
       "expect needs a text box, a label or a scroll bar, and Frame1 is a frame"},
      {"expect printed -1", "expect printed -1 is out of range (0..2147483647)"},
      {"error 0", "error 0 is no error"},
      {"error 13.0", R"("13.0" is not a whole number)"},
      {"fail Text1 read-text -1",
       R"(unknown operation "read-text" (get-text, set-text, get-caption, set-caption, get-value))"},
      {"fail Text1 get-caption -1", "get-caption needs a label, and Text1 is a text box"},
      {"fail VScroll1 get-text -1", "get-text needs a text box, and VScroll1 is a scroll bar"},
      {"fail Text1 get-text 5", "fail 5 is out of range (-2147483648..-1)"},
      {"fail Text1 get-text -2147483649", "fail -2147483649 is out of range (-2147483648..-1)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const ParsedScript p = parse(std::string("# first\n") + c.line);
    ASSERT_EQ(p.errors.size(), 1u);
    EXPECT_EQ(p.errors[0].line, 2);
    EXPECT_EQ(p.errors[0].message, c.error);
  }
}

TEST(Parser, EveryBadLineIsReportedNotJustTheFirst) {
  const ParsedScript p =
      parse("click Command7\nclick Command99\ntype Text1 \"x\ntype Label1 \"\"\n");
  ASSERT_EQ(p.errors.size(), 3u);
  EXPECT_EQ(p.errors[0].line, 2);
  EXPECT_EQ(p.errors[1].line, 3);
  EXPECT_EQ(p.errors[2].line, 4);
}

}  // namespace
}  // namespace umrak::scenario
