#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "runtime/utf.h"

namespace umrak {

namespace {

// Well-formed UTF-8 as the Unicode standard's table of byte sequences has it.
bool isValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t length = 1;
    unsigned lo = 0x80;
    unsigned hi = 0xBF;
    if (c < 0x80) {
      ++i;
      continue;
    }
    if (c >= 0xC2 && c <= 0xDF) {
      length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
      length = 3;
      lo = c == 0xE0 ? 0xA0 : 0x80;
      hi = c == 0xED ? 0x9F : 0xBF;
    } else if (c >= 0xF0 && c <= 0xF4) {
      length = 4;
      lo = c == 0xF0 ? 0x90 : 0x80;
      hi = c == 0xF4 ? 0x8F : 0xBF;
    } else {
      return false;
    }
    if (i + length > s.size()) return false;
    const auto second = static_cast<unsigned char>(s[i + 1]);
    if (second < lo || second > hi) return false;
    for (std::size_t k = 2; k < length; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

bool isHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// The code units with every unpaired surrogate replaced by U+FFFD.
std::u16string wellFormedUtf16(std::u16string_view in) {
  std::u16string out(in);
  for (std::size_t i = 0; i < out.size(); ++i) {
    if (isHighSurrogate(out[i]) && i + 1 < out.size() && isLowSurrogate(out[i + 1])) {
      ++i;
    } else if (isHighSurrogate(out[i]) || isLowSurrogate(out[i])) {
      out[i] = 0xFFFD;
    }
  }
  return out;
}

void fromUtf8(std::string_view bytes) {
  const std::u16string units = core::utf8ToUtf16(bytes);
  const std::string back = core::utf16ToUtf8(units);
  if (!isValidUtf8(back)) fuzz::fail("UTF-8 written from UTF-16 is not well formed", units);
  if (isValidUtf8(bytes) && back != bytes) fuzz::fail("valid UTF-8 does not round-trip", units);
  if (core::utf8ToUtf16(back) != units) fuzz::fail("decoded text does not round-trip", units);
}

void fromUtf16(std::string_view bytes) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                   static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  const std::string utf8 = core::utf16ToUtf8(units);
  if (!isValidUtf8(utf8)) fuzz::fail("UTF-8 written from UTF-16 is not well formed", units);
  if (core::utf8ToUtf16(utf8) != wellFormedUtf16(units)) {
    fuzz::fail("UTF-16 does not round-trip through UTF-8", units);
  }
}

}  // namespace

// The same bytes are read once as UTF-8 and once as little-endian UTF-16.

int fuzzOne(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::bytesOf(data, size);
  fromUtf8(bytes);
  fromUtf16(bytes);
  return 0;
}

}  // namespace umrak

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return umrak::fuzzOne(data, size);
}
