#include <gtest/gtest.h>

#include <vector>

#include "tests/unit/session.h"

namespace umrak::unit {
namespace {

using C = core::ControlId;

struct SignCase {
  const char* month;
  const char* shown;  // "old" where the click must not write
  std::vector<std::int32_t> errors;
};

// clang-format off
const SignCase kSignCases[] = {
    {"1", "انت من برج الجدى", {}}, {"2", "انت من برج الدلو", {}}, {"3", "انت من برج الحوت", {}},
    {"4", "انت من برج الحمل", {}}, {"5", "انت من برج الثور", {}}, {"6", "انت من برج الجوزاء", {}},
    {"7", "انت من برج السرطان", {}}, {"8", "انت من برج الأسد", {}}, {"9", "انت من برج العذراء", {}},
    {"10", "انت من برج الميزان", {}}, {"11", "انت من برج العقرب", {}}, {"12", "انت من برج القوس", {}},
    {"7.0", "انت من برج السرطان", {}}, {" 7", "انت من برج السرطان", {}},
    {"07 ", "انت من برج السرطان", {}}, {"٧", "انت من برج السرطان", {}},
    {"3.5", "old", {}}, {"0", "old", {}}, {"13", "old", {}}, {"-1", "old", {}},
    {"", "old", {13}}, {"abc", "old", {13}}, {"7abc", "old", {13}},
};
// clang-format on

TEST(ZodiacButton, NamesTheSignOfTheBirthMonth) {
  for (const SignCase& c : kSignCases) {
    SCOPED_TRACE(c.month);
    Session s;
    s.type(C::Label19, "old");
    s.type(C::Text2, c.month);
    s.click(C::Command19);
    EXPECT_EQ(s.shown(C::Label19), c.shown);
    EXPECT_EQ(s.errors(), c.errors);
  }
}

TEST(ZodiacButton, MonthWithoutSignKeepsThePreviousOne) {
  Session s;
  s.type(C::Text2, "3");
  s.click(C::Command19);
  s.type(C::Text2, "13");
  s.type(C::Text3, "25");
  s.click(C::Command19);
  EXPECT_EQ(s.shown(C::Label19), "انت من برج الحوت");
  EXPECT_TRUE(s.errors().empty());
}

}  // namespace
}  // namespace umrak::unit
