#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "runtime/utf.h"

namespace umrak::fuzz {

inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A broken property: print what the fuzzer needs to tell a human, then abort
// so that libFuzzer (or the replay) keeps the input.
[[noreturn]] inline void fail(const char* what, std::u16string_view text) {
  std::fprintf(stderr, "property broken: %s\n  text: \"%s\"\n", what,
               core::utf16ToUtf8(text).c_str());
  std::abort();
}

[[noreturn]] inline void fail(const char* what, double value, std::u16string_view text) {
  std::fprintf(stderr, "property broken: %s\n  value: %.17g\n  text: \"%s\"\n", what, value,
               core::utf16ToUtf8(text).c_str());
  std::abort();
}

}  // namespace umrak::fuzz
