#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/unit/session.h"

namespace umrak::unit {
namespace {

using C = core::ControlId;

constexpr std::array kAgeLabels = {C::Label8, C::Label7, C::Label10};
constexpr std::array kAdjusted = {C::Label12, C::Label13, C::Label18};

struct BorrowCase {
  const char* what;
  std::array<const char*, 3> age;  // years, months, days
  const char* birthYear;
  C button;
  std::array<const char*, 3> adjusted;  // years, months, days; "old" where nothing is written
  const char* birthDay;
  std::vector<std::int32_t> errors;
};

// clang-format off
const BorrowCase kBorrowCases[] = {
    {"months", {"22", "-3", "-5"}, "1980", C::Command14, {"21", "9", "-5"}, " 20", {}},
    {"31-day month", {"22", "-3", "-5"}, "1980", C::Command15, {"21", "9", "26"}, " 20", {}},
    {"30-day month", {"22", "-3", "-5"}, "1980", C::Command16, {"21", "9", "25"}, " 20", {}},
    {"nothing negative", {"22", "3", "10"}, "1980", C::Command14, {"21", "15", "10"}, " 20", {}},
    {"no age yet", {"", "", ""}, "1980", C::Command14, {"-1", "12", "0"}, " 20", {}},
    {"no age yet, 31 days", {"", "", ""}, "1980", C::Command15, {"-1", "12", "31"}, " 20", {}},
    {"no age yet, 30 days", {"", "", ""}, "1980", C::Command16, {"-1", "12", "30"}, " 20", {}},
    {"year marker result is a number", {"5", "3", "10"}, "1980", C::Command14, {"4", "15", "10"}, " 20", {}},
    {"fractional months", {"22", "-1.5", "-5"}, "1980", C::Command14, {"21", "10.5", "-5"}, " 20", {}},
    {"marker, months", {"22", "-3", "-5"}, "444444", C::Command14, {"old", "old", "old"}, "0", {}},
    {"marker, 31 days", {"22", "-3", "-5"}, "444444", C::Command15, {"old", "old", "old"}, "0", {}},
    {"marker, 30 days", {"22", "-3", "-5"}, " 444444.0", C::Command16, {"old", "old", "old"}, "0", {}},
    {"empty birth year", {"22", "-3", "-5"}, "", C::Command14, {"old", "old", "old"}, " 20", {13}},
    {"text birth year", {"22", "-3", "-5"}, "abc", C::Command15, {"old", "old", "old"}, " 20", {13}},
    {"days beyond a double", {"22", "-3", "1E400"}, "1980", C::Command15, {"old", "old", "old"}, " 20", {6}},
    {"months beyond a double", {"22", "1E400", "-5"}, "1980", C::Command14, {"21", "old", "old"}, " 20", {6}},
    {"months beyond a double, 30 days", {"22", "1E400", "-5"}, "1980", C::Command16, {"21", "old", "25"}, " 20", {6}},
};
// clang-format on

TEST(BorrowButtons, ReexpressTheAgeTriple) {
  for (const BorrowCase& c : kBorrowCases) {
    SCOPED_TRACE(c.what);
    Session s;
    s.typeAll(kAgeLabels, c.age);
    for (C label : kAdjusted) s.type(label, "old");
    s.type(C::Text1, c.birthYear);
    s.type(C::Text3, " 20");
    s.click(c.button);
    s.expectShown(kAdjusted, c.adjusted);
    EXPECT_EQ(s.shown(C::Text3), c.birthDay);
    EXPECT_EQ(s.errors(), c.errors);
  }
}

TEST(BorrowButtons, SecondClickWritesTheSameTexts) {
  for (C button : {C::Command14, C::Command15, C::Command16}) {
    SCOPED_TRACE(core::controlName(button));
    Session s;
    s.type(C::Label8, "22");
    s.type(C::Label7, "-3");
    s.type(C::Label10, "-5");
    s.click(button);
    const auto first = s.everything();
    s.click(button);
    EXPECT_EQ(s.everything(), first);
  }
}

TEST(BorrowButtons, BirthYearMarkerReadsNoLabel) {
  Session s;
  s.type(C::Text1, "444444");
  for (C label : kAgeLabels) s.model().failNext(label, core::Op::GetCaption, vbError(5));
  EXPECT_EQ(s.click(C::Command15), core::Outcome::Completed);
  EXPECT_EQ(s.shown(C::Text3), "0");
}

}  // namespace
}  // namespace umrak::unit
