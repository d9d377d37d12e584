#include <cmath>
#include <cstdint>

#include "fuzz/c_library_reading.h"
#include "fuzz/fuzz_check.h"
#include "runtime/conversions.h"
#include "runtime/run_error.h"
#include "runtime/utf.h"

namespace umrak {

namespace {

// The overflow error from the lenient conversion, or nothing when it reads a value.
bool lenientOverflows(std::u16string_view text, double& value) {
  try {
    value = core::lenientConversion(text);
  } catch (const core::RunError& e) {
    if (e.number != core::error::kOverflow)
      fuzz::fail("lenient raised an error other than 6", text);
    return true;
  }
  return false;
}

}  // namespace

int fuzzOne(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = core::utf8ToUtf16(fuzz::bytesOf(data, size));
  double strict = 0;
  try {
    strict = core::strictConversion(text);
  } catch (const core::RunError& e) {
    if (e.number == core::error::kTypeMismatch) return 0;
    if (e.number != core::error::kOverflow)
      fuzz::fail("strict raised an error other than 13 or 6", text);
    double ignored = 0;
    if (!lenientOverflows(text, ignored)) fuzz::fail("strict overflows, lenient does not", text);
    fuzz::compareWithCLibrary(text, std::nullopt, fuzz::Span::Whole);
    return 0;
  }
  if (!std::isfinite(strict))
    fuzz::fail("strict returned a value that is not finite", strict, text);
  // A text that the strict conversion takes whole is a number that the
  // lenient conversion reads whole, to the same value.
  double lenient = 0;
  if (lenientOverflows(text, lenient)) fuzz::fail("strict reads a value, lenient overflows", text);
  if (lenient != strict) fuzz::fail("strict and lenient read different values", strict, text);
  fuzz::compareWithCLibrary(text, strict, fuzz::Span::Whole);
  return 0;
}

}  // namespace umrak

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return umrak::fuzzOne(data, size);
}
