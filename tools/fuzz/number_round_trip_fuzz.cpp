#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "fuzz/fuzz_check.h"
#include "runtime/conversions.h"
#include "runtime/run_error.h"

namespace umrak {

namespace {

bool isIntegral(double x) {
  return std::fabs(x) < 1e15 && x == std::trunc(x);
}

// Only digits, one leading "-", one ".", and an exponent "E+dd" or "E-dd".
bool wellFormed(std::u16string_view text) {
  const std::size_t e = text.find(u'E');
  const std::u16string_view mantissa = text.substr(0, e);
  std::size_t i = (!mantissa.empty() && mantissa[0] == u'-') ? 1 : 0;
  bool point = false;
  bool digits = false;
  for (; i < mantissa.size(); ++i) {
    if (mantissa[i] == u'.' && !point && digits) {
      point = true;
    } else if (mantissa[i] >= u'0' && mantissa[i] <= u'9') {
      digits = true;
    } else {
      return false;
    }
  }
  if (!digits || mantissa.back() == u'.') return false;
  if (point && mantissa.back() == u'0') return false;
  if (e == std::u16string_view::npos) return true;
  const std::u16string_view exponent = text.substr(e + 1);
  if (exponent.size() < 3 || (exponent[0] != u'+' && exponent[0] != u'-')) return false;
  return exponent.find_first_not_of(u"0123456789", 1) == std::u16string_view::npos;
}

bool exponentForm(double y) {
  return y != 0 && (std::fabs(y) >= 1e15 || std::fabs(y) < 1e-4);
}

void checkRoundTrip(double x) {
  const std::u16string text = core::numberText(x);
  if (!wellFormed(text)) fuzz::fail("number text is not well formed", x, text);
  double y = 0;
  try {
    y = core::lenientConversion(text);
  } catch (const core::RunError&) {
    fuzz::fail("number text does not read back", x, text);
  }
  if (isIntegral(x)) {
    if (y != x) fuzz::fail("integral value does not read back exactly", x, text);
    return;
  }
  // Rounding to 15 significant digits moves a value by at most half a unit of
  // the 15th digit; reading it back adds at most half a unit in the last place.
  const double tolerance = 5.2e-15 * std::fabs(x) + std::numeric_limits<double>::denorm_min();
  if (std::fabs(y - x) > tolerance)
    fuzz::fail("value read back is off by more than 15 digits", x, text);
  if (core::numberText(y) != text) fuzz::fail("value read back prints differently", x, text);
  const bool exponent = text.find(u'E') != std::u16string::npos;
  if (exponent != exponentForm(y)) fuzz::fail("exponent form at the wrong magnitude", x, text);
}

}  // namespace

// Every eight bytes are one double.

int fuzzOne(const std::uint8_t* data, std::size_t size) {
  for (std::size_t i = 0; i + sizeof(double) <= size; i += sizeof(double)) {
    double x = 0;
    std::memcpy(&x, data + i, sizeof x);
    if (std::isfinite(x)) checkRoundTrip(x);
  }
  return 0;
}

}  // namespace umrak

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return umrak::fuzzOne(data, size);
}
