#include "sessions/texts.h"

#include <array>
#include <string_view>

namespace umrak::sessions {

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

// Digits as a user's keyboard may give them: ASCII, or either Arabic-Indic
// block, one digit or the whole number at a time.
class DigitScript {
 public:
  explicit DigitScript(Random& random)
      : random_(random), base_(pickBase()), mixed_(random.oneIn(8)) {}

  char16_t operator()(int digit) {
    const char16_t base = mixed_ ? pickBase() : base_;
    return static_cast<char16_t>(base + digit);
  }

 private:
  char16_t pickBase() {
    static constexpr std::array<char16_t, 4> kBases{u'0', u'0', 0x0660, 0x06F0};
    return random_.pick(std::span<const char16_t>(kBases));
  }
  Random& random_;
  char16_t base_;
  bool mixed_;
};

std::u16string digitsOf(std::string_view ascii, DigitScript& script) {
  std::u16string out;
  for (const char c : ascii) {
    out += (c >= '0' && c <= '9') ? script(c - '0') : static_cast<char16_t>(c);
  }
  return out;
}

char16_t blank(Random& random) {
  static constexpr std::array<char16_t, 6> kBlanks{u' ', u' ', u' ', u'\t', u'\n', 0x00A0};
  return random.pick(std::span<const char16_t>(kBlanks));
}

// Blanks before, after and now and then inside the text.
std::u16string withBlanks(std::u16string text, Random& random) {
  if (random.chance(10) && text.size() > 1) {
    text.insert(random.below(text.size() - 1) + 1, 1, blank(random));
  }
  if (random.chance(15)) text.insert(0, random.between(1, 3), blank(random));
  if (random.chance(15)) text.append(random.between(1, 3), blank(random));
  return text;
}

// A whole number in the ranges the boxes hold, now and then anything.
long plainNumber(Random& random) {
  switch (random.below(5)) {
    case 0:
      return random.between(1, 12);
    case 1:
      return random.between(1, 31);
    case 2:
      return random.between(1900, 2100);
    case 3:
      return random.between(-40, 40);
  }
  return static_cast<long>(random.below(1000000000)) - 500000000;
}

// The same value written another way: leading zeros, a fraction of zeros, an
// exponent, a plus sign.
std::string oddSpelling(long value, Random& random) {
  const std::string digits = std::to_string(value < 0 ? -value : value);
  std::string sign = value < 0 ? "-" : (random.chance(20) ? "+" : "");
  const char e = random.chance(50) ? 'E' : 'e';
  switch (random.below(6)) {
    case 0:
      return sign + std::string(random.between(1, 3), '0') + digits;
    case 1:
      return sign + digits + "." + std::string(random.between(0, 3), '0');
    case 2:  // d.ddd E n
      return sign + digits.substr(0, 1) + (digits.size() > 1 ? "." + digits.substr(1) : "") + e +
             std::to_string(digits.size() - 1);
    case 3:  // 0.ddd E n+1
      return sign + "0." + digits + e + "+" + std::to_string(digits.size());
    case 4:
      return sign + digits + "0" + e + "-1";
    default:
      return sign + digits + e + "0";
  }
}

std::string decorated(long value, Random& random) {
  std::string text = std::to_string(value);
  switch (random.below(6)) {
    case 0:
      return text + "." + std::to_string(random.below(100));
    case 1:
      return text + (random.chance(50) ? "E" : "e") + std::to_string(random.between(-3, 3));
    case 2:
      return text.size() > 3 ? text.insert(text.size() - 3, ",") : text + ",5";
    case 3:
      return "." + std::to_string(random.below(1000));
    default:
      return text;
  }
}

std::u16string letters(Random& random) {
  static constexpr std::array<std::u16string_view, 12> kTexts{
      u"abc", u"12abc", u"E",    u"1E",          u"-",     u".",
      u"+.",  u"&H1F",  u"&O17", u"&HFFFFFFFFF", u"شهر 4", u"سنة"};
  return std::u16string(random.pick(std::span<const std::u16string_view>(kTexts)));
}

std::u16string beyondDouble(Random& random) {
  DigitScript script(random);
  switch (random.below(3)) {
    case 0:
      return u"1E" + digitsOf(std::to_string(random.between(309, 400)), script);
    case 1:
      return u"-" + std::u16string(static_cast<std::size_t>(random.between(310, 400)), u'9');
  }
  return u"1" + std::u16string(static_cast<std::size_t>(random.between(309, 330)), u'0') + u".5";
}

std::u16string megabyte(Random& random) {
  switch (random.below(3)) {
    case 0:
      return std::u16string(kMegabyte, u'7');
    case 1:
      return std::u16string(kMegabyte - 1, u' ') + u"5";
  }
  return u"1" + std::u16string(kMegabyte, u'0') + u"abc";
}

}  // namespace

std::u16string dateText(Random& random) {
  if (random.oneIn(3000)) return megabyte(random);
  DigitScript script(random);
  switch (random.below(20)) {
    case 0:
      return {};
    case 1:
    case 2:
      return withBlanks(letters(random), random);
    case 3:
      return beyondDouble(random);
    case 4:
    case 5:
    case 6:
    case 7: {
      static constexpr std::array<long, 16> kMarkers{5, 122, 444444, 1, 2,  3,  4,  5,
                                                     6, 7,   8,      9, 10, 11, 12, 0};
      const long marker = random.pick(std::span<const long>(kMarkers));
      return withBlanks(digitsOf(oddSpelling(marker, random), script), random);
    }
    case 8:
    case 9:
    case 10:
      return withBlanks(digitsOf(decorated(plainNumber(random), random), script), random);
  }
  return withBlanks(digitsOf(std::to_string(plainNumber(random)), script), random);
}

}  // namespace umrak::sessions
