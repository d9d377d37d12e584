#include "runtime/conversions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "runtime/decimal_number.h"
#include "runtime/run_error.h"

namespace umrak::core {

namespace {

// The digit's value for ASCII and both Arabic-Indic digit sets, else -1.
int digitValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= 0x0660 && c <= 0x0669) return c - 0x0660;
  if (c >= 0x06F0 && c <= 0x06F9) return c - 0x06F0;
  return -1;
}

bool isExponentLetter(char16_t c) {
  return c == u'E' || c == u'e';
}

bool isBlankOrTab(char16_t c) {
  return c == u' ' || c == u'\t';
}

[[noreturn]] void typeMismatch() {
  throw makeError(error::kTypeMismatch);
}

}  // namespace

double strictConversion(std::u16string_view text) {
  auto first = std::find_if_not(text.begin(), text.end(), isBlankOrTab);
  auto last =
      std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), isBlankOrTab).base();
  DecimalNumber number;
  auto it = first;
  if (it != last && (*it == u'+' || *it == u'-')) {
    if (*it++ == u'-') number.negate();
  }
  for (; it != last && digitValue(*it) >= 0; ++it) number.digit(digitValue(*it));
  if (it != last && *it == u'.') {
    number.point();
    for (++it; it != last && digitValue(*it) >= 0; ++it) number.digit(digitValue(*it));
  }
  if (!number.hasDigits()) typeMismatch();
  if (it != last && isExponentLetter(*it)) {
    ++it;
    if (it != last && (*it == u'+' || *it == u'-')) {
      if (*it++ == u'-') number.negateExponent();
    }
    if (it == last || digitValue(*it) < 0) typeMismatch();
    for (; it != last && digitValue(*it) >= 0; ++it) number.exponentDigit(digitValue(*it));
  }
  if (it != last) typeMismatch();
  return number.value();
}

namespace {

// Walks a text as the lenient conversion sees it: blanks, tabs and line feeds
// are not there at all.
class LenientReader {
 public:
  explicit LenientReader(std::u16string_view text) : text_(text) { skip(); }
  bool done() const { return pos_ >= text_.size(); }
  char16_t peek() const { return text_[pos_]; }
  void next() {
    ++pos_;
    skip();
  }
  int peekDigit() const { return done() ? -1 : digitValue(peek()); }

 private:
  void skip() {
    while (pos_ < text_.size() &&
           (text_[pos_] == u' ' || text_[pos_] == u'\t' || text_[pos_] == u'\n')) {
      ++pos_;
    }
  }
  std::u16string_view text_;
  std::size_t pos_ = 0;
};

int radixDigit(char16_t c, int radix) {
  int d = -1;
  if (c >= u'0' && c <= u'9') d = c - u'0';
  if (c >= u'A' && c <= u'F') d = c - u'A' + 10;
  if (c >= u'a' && c <= u'f') d = c - u'a' + 10;
  return d < radix ? d : -1;
}

// &H and &O integers: up to 16 bits they read as a signed 16-bit integer
// (&HFFFF is -1), up to 32 bits as a signed 32-bit integer (&HFFFFFFFF is
// -1), the two integer widths such texts have always stood for. A wider one
// stands for no integer width and reads as its plain value (&H100000000 is
// 4294967296), rounded to the nearest double as a decimal text is; only
// beyond the range of a double does it overflow. The bits are taken from the left: the first 64
// exactly, the rest only as their count and whether any is set, which is all the rounding needs;
// past 2^1024 the count stops, as the value overflows anyway.
double readRadixInteger(LenientReader& in) {
  const char16_t letter = in.done() ? u'\0' : in.peek();
  int bits = 0;
  if (letter == u'H' || letter == u'h') bits = 4;
  if (letter == u'O' || letter == u'o') bits = 3;
  if (bits == 0) return 0;
  in.next();
  std::uint64_t value = 0;
  int dropped = 0;
  bool droppedAny = false;
  for (int d; !in.done() && (d = radixDigit(in.peek(), 1 << bits)) >= 0; in.next()) {
    for (int bit = bits - 1; bit >= 0; --bit) {
      const bool set = ((d >> bit) & 1) != 0;
      if ((value >> 63) == 0) {
        value = value << 1 | static_cast<std::uint64_t>(set);
      } else {
        dropped = std::min(dropped + 1, 1024);
        droppedAny = droppedAny || set;
      }
    }
  }
  if (value <= 0xFFFFu) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
  if (value <= 0xFFFFFFFFu) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  // With the top bit of 64 set, the lowest is far below the rounding one.
  const double plain = std::ldexp(static_cast<double>(value | droppedAny), dropped);
  if (std::isinf(plain)) throw makeError(error::kOverflow);
  return plain;
}

}  // namespace

double lenientConversion(std::u16string_view text) {
  LenientReader in(text);
  if (in.done()) return 0;
  if (in.peek() == u'&') {
    in.next();
    return readRadixInteger(in);
  }
  DecimalNumber number;
  if (in.peek() == u'+' || in.peek() == u'-') {
    if (in.peek() == u'-') number.negate();
    in.next();
  }
  for (int d; (d = in.peekDigit()) >= 0; in.next()) number.digit(d);
  if (!in.done() && in.peek() == u'.') {
    number.point();
    in.next();
    for (int d; (d = in.peekDigit()) >= 0; in.next()) number.digit(d);
  }
  if (!number.hasDigits()) return 0;
  if (!in.done() && isExponentLetter(in.peek())) {
    in.next();
    if (!in.done() && (in.peek() == u'+' || in.peek() == u'-')) {
      if (in.peek() == u'-') number.negateExponent();
      in.next();
    }
    for (int d; (d = in.peekDigit()) >= 0; in.next()) number.exponentDigit(d);
  }
  return number.value();
}

namespace {

std::u16string widen(const char* first, const char* last) {
  return std::u16string(first, last);
}

}  // namespace

std::u16string strStyleText(std::int16_t value) {
  std::array<char, 8> buf{};
  char* first = buf.data();
  if (value >= 0) *first++ = ' ';
  const auto result = std::to_chars(first, buf.data() + buf.size(), value);
  return widen(buf.data(), result.ptr);
}

std::u16string integerText(std::int16_t value) {
  std::array<char, 8> buf{};
  const auto result = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  return widen(buf.data(), result.ptr);
}

// Rounded to 15 digits, the largest doubles would print as 1.79769313486232E+308,
// which no longer fits a double and could not be read back. They print as the
// largest 15-digit number that fits.
constexpr double kLargestPrintable = 1.79769313486231e308;

std::u16string numberText(double value) {
  if (value == 0) return u"0";
  if (std::isfinite(value) && std::fabs(value) > kLargestPrintable) {
    value = std::copysign(kLargestPrintable, value);
  }
  std::array<char, 32> buf{};
  const auto result =
      std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
  std::replace(buf.data(), result.ptr, 'e', 'E');
  return widen(buf.data(), result.ptr);
}

}  // namespace umrak::core
