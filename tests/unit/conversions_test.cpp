#include "runtime/conversions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "runtime/run_error.h"
#include "runtime/utf.h"

namespace umrak::unit {
namespace {

using core::utf8ToUtf16;

struct Reading {
  std::string text;
  double value;
};

struct Rejection {
  std::string text;
  std::int32_t error;
};

// The number of the error a conversion raised on `text`, or 0 when it returned.
template <typename Convert>
std::int32_t errorOf(Convert convert, const std::string& text) {
  try {
    convert(utf8ToUtf16(text));
  } catch (const core::RunError& e) {
    return e.number;
  }
  return 0;
}

const std::string kFourHundredNines(400, '9');

// clang-format off
TEST(StrictConversion, AcceptsTextThatIsOneNumber) {
  const Reading cases[] = {
      {" 15", 15}, {"15 ", 15}, {"-3", -3}, {"+7", 7}, {"\t42\t", 42}, {"05", 5}, {"7.0", 7},
      {".5", 0.5}, {"5.", 5}, {"2.5E-1", 0.25}, {"1e3", 1000}, {"1E+2", 100}, {"-1.5e2", -150},
      {"444444", 444444}, {"١٩٨٠", 1980}, {"۱۲", 12}, {"٣.٥", 3.5}, {"1E-400", 0},
      {"4.9E-324", 4.9E-324}, {"1.7976931348623157E308", 1.7976931348623157E308}};
  for (const Reading& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(core::strictConversion(utf8ToUtf16(c.text)), c.value);
  }
}

TEST(StrictConversion, RejectsAnythingElseWithTypeMismatchOrOverflow) {
  const Rejection cases[] = {
      {"", 13}, {" ", 13}, {"abc", 13}, {"12abc", 13}, {"1 2", 13}, {"1,000", 13}, {"2,5", 13},
      {"$5", 13}, {"(5)", 13}, {"&H10", 13}, {"0x10", 13}, {"1E", 13}, {"1E+", 13}, {".", 13},
      {"-", 13}, {"+-5", 13}, {"5-", 13}, {"1.2.3", 13}, {"inf", 13}, {"1e5x", 13},
      {"1E400", 6}, {"-1E400", 6}, {"1.7976931348623159E308", 6}, {kFourHundredNines, 6}};
  for (const Rejection& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(errorOf(core::strictConversion, c.text), c.error);
  }
}

TEST(LenientConversion, ReadsTheNumericBeginning) {
  const Reading cases[] = {
      {"", 0}, {"abc", 0}, {"12abc", 12}, {" 15", 15}, {"1 2", 12}, {"-5", -5}, {"- 5", -5},
      {"2.5", 2.5}, {"2,5", 2}, {"\t3\n4", 34}, {".5", 0.5}, {"5.", 5}, {"1.2.3", 1.2},
      {"1e3", 1000}, {"1E-2", 0.01}, {"1E", 1}, {"1E+x", 1}, {"2002abc", 2002}, {"+", 0},
      {".", 0}, {"١٩٨٠", 1980}, {"1E-400", 0}, {"&HFFFF", -1}, {"&hff", 255}, {"&H7FFF", 32767},
      {"&H8000", -32768}, {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&H7FFFFFFF", 2147483647},
      {"&O17", 15}, {"&o177777", -1}, {"&H1G", 1}, {"&H", 0}, {"&", 0}, {"&X5", 0}, {"&O8", 0},
      {"&H100000000", 4294967296}, {"&O40000000000", 4294967296},
      {"&HFFFFFFFFFFFFFFFFFFFF", 0x1p80}, {"&H20000000000001", 0x1p53},
      {"&H20000000000003", 0x1.0000000000002p53},
      {"&H20000000000001" + std::string(16, '0'), 0x1p117},
      {"&H20000000000001" + std::string(15, '0') + "1", 0x1.0000000000001p117},
      {"&HFFFFFFFFFFFFF8" + std::string(242, '0'), 1.7976931348623157E308}};
  for (const Reading& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(core::lenientConversion(utf8ToUtf16(c.text)), c.value);
  }
}

TEST(LenientConversion, RaisesOverflowOnlyBeyondTheRange) {
  for (const std::string& text : {"&H1" + std::string(256, '0'), "&H" + std::string(256, 'F'),
                                  "&O2" + std::string(341, '0'), std::string("1E400"),
                                  std::string("-1E400"), kFourHundredNines}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(errorOf(core::lenientConversion, text), 6);
  }
}

std::string zeros(std::size_t n) {
  return std::string(n, '0');
}

// Mantissas far longer than any exponent cap: the value is the number written,
// rounded once to the nearest double.
TEST(BothConversions, ReadLongNumbersExactly) {
  const Reading cases[] = {
      {"1" + zeros(100001) + "e-100001", 1},
      {"1" + zeros(200000) + "e-200000", 1},
      {"5" + zeros(100001) + "E-100001", 5},
      {"0." + zeros(200000) + "1e200001", 1},
      {"-0." + zeros(200000) + "25e200000", -0.25},
      {"9007199254740993" + zeros(100000) + "e-100000", 9007199254740992},
      {"9007199254740993" + zeros(100000) + "1e-100001", 9007199254740994},
      {"0." + zeros(100000) + "17976931348623157e100309", 1.7976931348623157E308},
      {"1" + zeros(100000) + "e-100400", 0},
      {"1e-" + std::string(30, '9'), 0},
      {"0e" + std::string(30, '9'), 0}};
  for (const Reading& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20) + "... (" + std::to_string(c.text.size()) + ")");
    EXPECT_EQ(core::strictConversion(utf8ToUtf16(c.text)), c.value);
    EXPECT_EQ(core::lenientConversion(utf8ToUtf16(c.text)), c.value);
  }
}

// The decimal digits of m x 5^e, so that m x 2^-e is exactly "<digits>e-<e>".
std::string digitsOf(std::uint64_t m, int e) {
  std::string digits = std::to_string(m);
  for (int i = 0; i < e; ++i) {
    int carry = 0;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
      const int d = (*it - '0') * 5 + carry;
      *it = static_cast<char>('0' + d % 10);
      carry = d / 10;
    }
    if (carry != 0) digits.insert(digits.begin(), static_cast<char>('0' + carry));
  }
  return digits;
}

// Halfway points between two adjacent doubles, written out in full: 54, 752
// and 768 significant digits, the last as many as any double needs. The exact
// text is a tie and goes to the even neighbour; a 1 a thousand digits later,
// or the last digit left off, decides it past every digit but the last.
TEST(BothConversions, ReadTextsAtAHalfwayPointToTheLastDigit) {
  struct Halfway {
    std::uint64_t m;  // odd: the point is m x 2^-e
    int e;
    double below, above, tie;
  };
  const Halfway cases[] = {
      {0x20000000000003, 53, 0x1.0000000000001p0, 0x1.0000000000002p0, 0x1.0000000000002p0},
      {1, 1075, 0, 0x1p-1074, 0},
      {3, 1075, 0x1p-1074, 0x1p-1073, 0x1p-1073},
      {0x1FFFFFFFFFFFFF, 1075, 0x0.fffffffffffffp-1022, 0x1p-1022, 0x1p-1022}};
  for (const Halfway& c : cases) {
    const std::string digits = digitsOf(c.m, c.e);
    const Reading readings[] = {
        {digits + "e-" + std::to_string(c.e), c.tie},
        {digits + zeros(999) + "1e-" + std::to_string(c.e + 1000), c.above},
        {digits.substr(0, digits.size() - 1) + "e-" + std::to_string(c.e - 1), c.below}};
    for (const Reading& r : readings) {
      SCOPED_TRACE(std::to_string(digits.size()) + " digits: " + r.text.substr(0, 20) + "..." +
                   r.text.substr(r.text.size() - 12));
      EXPECT_EQ(core::strictConversion(utf8ToUtf16(r.text)), r.value);
      EXPECT_EQ(core::lenientConversion(utf8ToUtf16(r.text)), r.value);
    }
  }
}

TEST(BothConversions, LongNumbersBeyondTheRangeOverflow) {
  for (const std::string& text : {"0." + zeros(100000) + "1e100310", "1" + zeros(100000) + "e-99690",
                                  "1e" + std::string(30, '9')}) {
    SCOPED_TRACE(text.size());
    EXPECT_EQ(errorOf(core::strictConversion, text), 6);
    EXPECT_EQ(errorOf(core::lenientConversion, text), 6);
  }
}

TEST(LenientConversion, ReadsLongNumbersWithBlanksBetweenTheDigits) {
  std::string text = "1";
  for (int i = 0; i < 100001; ++i) text += " 0";
  EXPECT_EQ(core::lenientConversion(utf8ToUtf16(text + "e-100001")), 1);
  EXPECT_EQ(core::lenientConversion(utf8ToUtf16(text + " e - 1 0 0 0 0 1 x")), 1);
}

TEST(StrStyleAndIntegerText, BlankOnlyInTheStrStyle) {
  const std::tuple<std::int16_t, std::u16string, std::u16string> cases[] = {
      {0, u" 0", u"0"}, {5, u" 5", u"5"}, {31, u" 31", u"31"}, {-1, u"-1", u"-1"},
      {1980, u" 1980", u"1980"}, {32767, u" 32767", u"32767"}, {-32768, u"-32768", u"-32768"}};
  for (const auto& [value, str, integer] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(core::strStyleText(value), str);
    EXPECT_EQ(core::integerText(value), integer);
  }
}

TEST(NumberText, WritesTheStandardForm) {
  const std::pair<double, std::u16string> cases[] = {
      {22, u"22"}, {-5, u"-5"}, {0, u"0"}, {-0.0, u"0"}, {0.5, u"0.5"}, {-0.5, u"-0.5"},
      {1.5, u"1.5"}, {0.3 - 0.1, u"0.2"}, {1.0 / 3, u"0.333333333333333"},
      {2.0 / 3, u"0.666666666666667"}, {123456789.123456789, u"123456789.123457"},
      {999999999999999, u"999999999999999"}, {1E15, u"1E+15"}, {-1.5E15, u"-1.5E+15"},
      {1E100, u"1E+100"}, {1.7976931348623157E308, u"1.79769313486231E+308"},
      {0.0001, u"0.0001"}, {0.00001, u"1E-05"}, {1.5E-07, u"1.5E-07"}};
  for (const auto& [value, text] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(core::numberText(value), text);
  }
}
// clang-format on

TEST(NumberText, WholeNumbersReadBackLeniently) {
  for (double value : {0.0, 1.0, -1.0, 22.0, -5.0, 1804.0, 444444.0, 123456789012345.0,
                       999999999999999.0, -999999999999999.0, 1E15}) {
    SCOPED_TRACE(value);
    EXPECT_EQ(core::lenientConversion(core::numberText(value)), value);
  }
}

// Fifteen digits round the largest doubles past the range of a double; what a
// result label shows must still read back when a green button takes it up.
TEST(NumberText, LargestDoublesStillReadBack) {
  for (double value : {1.7976931348623157E308, -1.7976931348623157E308, 1.797693134862315E308}) {
    SCOPED_TRACE(value);
    const double back = core::lenientConversion(core::numberText(value));
    EXPECT_NEAR(back / value, 1.0, 1e-14);
  }
}

}  // namespace
}  // namespace umrak::unit
