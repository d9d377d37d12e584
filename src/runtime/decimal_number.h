#pragma once

#include <cstdint>
#include <string>

namespace umrak::core {

// A decimal number fed digit by digit, as the conversions read it: an
// optional sign, digits with at most one decimal point, then an optional
// exponent. It keeps only what rounding to the nearest double needs, so any
// number of digits costs the same memory and each digit constant time.
class DecimalNumber {
 public:
  void negate() { negative_ = true; }
  void digit(int d);
  void point() { inFraction_ = true; }
  void exponentDigit(int d);
  void negateExponent() { negativeExponent_ = true; }

  bool hasDigits() const { return hasDigits_; }
  // The nearest double; raises the overflow error beyond the range of a
  // double and reads a number too small for one as zero.
  double value() const;

 private:
  std::string significant_;  // from the first non-zero digit, at most kKeptDigits
  bool dropped_ = false;     // a non-zero digit beyond those kept
  std::int64_t power_ = 0;   // the number is 0.<significant_> x 10^power_ before the exponent
  std::int64_t exponent_ = 0;
  bool negative_ = false;
  bool negativeExponent_ = false;
  bool inFraction_ = false;
  bool hasDigits_ = false;
};

}  // namespace umrak::core
