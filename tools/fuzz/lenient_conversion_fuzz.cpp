#include <cmath>
#include <cstdint>
#include <optional>

#include "fuzz/c_library_reading.h"
#include "fuzz/fuzz_check.h"
#include "runtime/conversions.h"
#include "runtime/run_error.h"
#include "runtime/utf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = umrak::core::utf8ToUtf16(umrak::fuzz::bytesOf(data, size));
  std::optional<double> value;  // nothing: the overflow error
  try {
    value = umrak::core::lenientConversion(text);
  } catch (const umrak::core::RunError& e) {
    if (e.number != umrak::core::error::kOverflow)
      umrak::fuzz::fail("lenient raised an error other than 6", text);
  }
  if (value && !std::isfinite(*value))
    umrak::fuzz::fail("lenient returned a value that is not finite", *value, text);
  umrak::fuzz::compareWithCLibrary(text, value, umrak::fuzz::Span::Beginning);
  umrak::fuzz::compareWideHexWithCLibrary(text, value);
  return 0;
}
