#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "tests/unit/session.h"

namespace umrak::unit {
namespace {

using C = core::ControlId;

constexpr std::array kDateBoxes = {C::Text1, C::Text2, C::Text3, C::Text4, C::Text5, C::Text6};
constexpr std::array kAgeLabels = {C::Label8, C::Label10, C::Label7};

struct AgeCase {
  const char* what;
  std::array<const char*, 6> boxes;  // birth year, month, day; today's day, month, year
  std::array<const char*, 3> shown;  // years, days, months; "old" where nothing is written
  std::vector<std::int32_t> errors;
};

// The cases vary the birth date 1980-7-20 and today's date 15-10-2002; those
// dates as they stand, and the boxes as they start up, are played through the
// window in tests/scenarios/age.scn.
// clang-format off
const AgeCase kAgeCases[] = {
    {"bar texts with their blanks", {" 1985", "7", " 20", " 15", "10", "2002"}, {"17", "-5", "3"}, {}},
    {"year marker ignores the current year", {"5", "7", "20", "15", "10", "abc"}, {"5", "-5", "3"}, {}},
    {"year marker with a leading zero", {"05", "7", "20", "15", "10", "2002"}, {"5", "-5", "3"}, {}},
    {"122 is no year marker", {"122", "7", "20", "15", "10", "2002"}, {"1880", "-5", "3"}, {}},
    {"day marker", {"1980", "7", "122", "15", "10", "2002"}, {"22", "5", "3"}, {}},
    {"month marker", {"1980", "122", "20", "15", "10", "2002"}, {"22", "-5", "5"}, {}},
    {"5 is no day marker", {"1980", "7", "5", "15", "10", "2002"}, {"22", "10", "3"}, {}},
    {"empty today's day reads as 0", {"1980", "7", "20", "", "10", "2002"}, {"22", "-20", "3"}, {}},
    {"text in today's day reads as 0", {"1980", "7", "20", "abc", "10", "2002"}, {"22", "-20", "3"}, {}},
    {"current year up to its first letter", {"1980", "7", "20", "15", "10", "2002abc"}, {"22", "-5", "3"}, {}},
    {"equal days", {"1980", "7", "20", "20", "10", "2002"}, {"22", "0", "3"}, {}},
    {"fractional month", {"1980", "9.5", "20", "15", "11", "2002"}, {"22", "-5", "1.5"}, {}},
    {"inexact difference", {"1980", "0.1", "20", "15", "0.3", "2002"}, {"22", "-5", "0.2"}, {}},
    {"Arabic-Indic digits", {"١٩٨٠", "٧", "٢٠", "١٥", "١٠", "٢٠٠٢"}, {"22", "-5", "3"}, {}},
    {"rejected birth year writes nothing", {"abc", "7", "20", "15", "10", "2002"}, {"old", "old", "old"}, {13}},
    {"empty birth day keeps the years", {"1980", "7", "", "15", "10", "2002"}, {"22", "old", "old"}, {13}},
    {"empty birth month keeps years and days", {"1980", "", "20", "15", "10", "2002"}, {"22", "-5", "old"}, {13}},
    {"difference beyond a double", {"1E308", "7", "20", "15", "10", "-1.7E308"}, {"old", "old", "old"}, {6}},
    {"birth year beyond a double", {"1E400", "7", "20", "15", "10", "2002"}, {"old", "old", "old"}, {6}},
};
// clang-format on

TEST(AgeButton, ShowsPlainDifferencesOrMarkers) {
  for (const AgeCase& c : kAgeCases) {
    SCOPED_TRACE(c.what);
    Session s;
    s.typeAll(kDateBoxes, c.boxes);
    for (C label : kAgeLabels) s.type(label, "old");
    s.click(C::Command7);
    s.expectShown(kAgeLabels, c.shown);
    EXPECT_EQ(s.errors(), c.errors);
  }
}

TEST(AgeButton, MarkerBlockNeverReadsItsCurrentBox) {
  Session s;
  s.type(C::Text1, "5");
  s.type(C::Text2, "122");
  s.type(C::Text3, "122");
  for (C current : {C::Text4, C::Text5, C::Text6}) {
    s.model().failNext(current, core::Op::GetText, vbError(5));
  }
  EXPECT_EQ(s.click(C::Command7), core::Outcome::Completed);
  for (C label : kAgeLabels) EXPECT_EQ(s.shown(label), "5");
}

}  // namespace
}  // namespace umrak::unit
