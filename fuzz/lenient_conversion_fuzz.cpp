#include <cmath>
#include <cstdint>
#include <optional>

#include "core/conversions.h"
#include "core/run_error.h"
#include "core/utf.h"
#include "fuzz/c_library_reading.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = core::utf8ToUtf16(fuzz::bytesOf(data, size));
  std::optional<double> value;  // nothing: the overflow error
  try {
    value = core::lenientConversion(text);
  } catch (const core::RunError& e) {
    if (e.number != core::error::kOverflow)
      fuzz::fail("lenient raised an error other than 6", text);
  }
  if (value && !std::isfinite(*value))
    fuzz::fail("lenient returned a value that is not finite", *value, text);
  fuzz::compareWithCLibrary(text, value, fuzz::Span::Beginning);
  return 0;
}
