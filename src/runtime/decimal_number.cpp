#include "runtime/decimal_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "runtime/run_error.h"

namespace umrak::core {

namespace {

// A double is the same for every decimal number that agrees with it in its
// first 768 significant digits and in whether any digit after them is
// non-zero; keeping a few more leaves room.
constexpr std::size_t kKeptDigits = 800;

// An exponent this large decides overflow or underflow by itself, whatever
// the position of the decimal point in any text that fits in memory.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// 0.1 x 10^310 is beyond the largest double, and 10^-330 rounds to zero.
constexpr std::int64_t kHighestPower = 310;
constexpr std::int64_t kLowestPower = -330;

}  // namespace

void DecimalNumber::digit(int d) {
  hasDigits_ = true;
  if (significant_.empty() && d == 0) {
    if (inFraction_) --power_;
    return;
  }
  if (!inFraction_) ++power_;
  if (significant_.size() < kKeptDigits) {
    significant_ += static_cast<char>('0' + d);
  } else if (d != 0) {
    dropped_ = true;
  }
}

void DecimalNumber::exponentDigit(int d) {
  exponent_ = std::min(exponent_ * 10 + d, kExponentCap);
}

double DecimalNumber::value() const {
  const double zero = negative_ ? -0.0 : 0.0;
  if (significant_.empty()) return zero;
  const std::int64_t power = power_ + (negativeExponent_ ? -exponent_ : exponent_);
  if (power > kHighestPower) throw makeError(error::kOverflow);
  if (power < kLowestPower) return zero;

  // The digits dropped only round up or down; one non-zero digit after the
  // kept ones stands for all of them.
  std::string text = negative_ ? "-0." : "0.";
  text += significant_;
  if (dropped_) text += '1';
  text += 'e';
  text += std::to_string(power);
  double result = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), result);
  if (ec == std::errc::result_out_of_range) {
    if (power > 0) throw makeError(error::kOverflow);
    return zero;
  }
  if (std::isinf(result)) throw makeError(error::kOverflow);
  return result;
}

}  // namespace umrak::core
