#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"

namespace umrak::fuzz {

// The text as the C library can read it: without the blanks, tabs and line
// feeds that the lenient conversion passes over (the strict one accepts them
// only at the ends), with Arabic-Indic digits as ASCII ones, and anything else
// outside ASCII as a character that ends a number for both.
inline std::string plainAscii(std::u16string_view text) {
  std::string plain;
  for (char16_t c : text) {
    if (c == u' ' || c == u'\t' || c == u'\n') continue;
    if (c >= 0x0660 && c <= 0x0669) c = static_cast<char16_t>(u'0' + (c - 0x0660));
    if (c >= 0x06F0 && c <= 0x06F9) c = static_cast<char16_t>(u'0' + (c - 0x06F0));
    plain += c < 0x80 ? static_cast<char>(c) : '#';
  }
  return plain;
}

enum class Span { Whole, Beginning };

// Holds what a conversion read from `text` (nothing: the overflow error) to
// strtod, which rounds correctly however long the number. Only where both read
// a plain decimal number: strtod's own forms (white space of its own first,
// "inf", "nan", hexadecimal) are left out. Whole: the conversion took the text
// as one number, so strtod must read all of it. The fuzz programs never leave
// the C locale, so the decimal point is the period.
inline void compareWithCLibrary(std::u16string_view text, std::optional<double> ours, Span span) {
  constexpr std::string_view kStarts = "+-.0123456789";
  const std::string plain = plainAscii(text);
  if (plain.empty() || kStarts.find(plain[0]) == std::string_view::npos) return;
  char* end = nullptr;
  const double theirs = std::strtod(plain.c_str(), &end);
  const std::string_view read(plain.c_str(), static_cast<std::size_t>(end - plain.c_str()));
  if (read.find_first_not_of("+-.0123456789eE") != std::string_view::npos) return;
  if (span == Span::Whole && read.size() != plain.size())
    fail("the C library stops short of a number taken whole", text);
  if (!ours) {
    if (!std::isinf(theirs)) fail("overflow where the C library reads a finite value", text);
    return;
  }
  if (*ours != theirs || std::signbit(*ours) != std::signbit(theirs)) {
    std::fprintf(stderr, "  the C library reads %.17g\n", theirs);
    fail("a value other than the C library's", *ours, text);
  }
}

// Holds what the lenient conversion read from an &H text wider than 32 bits
// (nothing: the overflow error) to strtod, which reads the same hexadecimal
// digits after "0x" as a plain value and rounds it correctly however long.
// Narrower texts read as signed 16-bit or 32-bit integers, which strtod does
// not know.
inline void compareWideHexWithCLibrary(std::u16string_view text, std::optional<double> ours) {
  std::string plain;
  for (char16_t c : text) {
    if (c != u' ' && c != u'\t' && c != u'\n') plain += c < 0x80 ? static_cast<char>(c) : '#';
  }
  if (plain.size() < 3 || plain[0] != '&' || (plain[1] != 'H' && plain[1] != 'h')) return;
  const std::string hex =
      "0x" + plain.substr(2, plain.find_first_not_of("0123456789ABCDEFabcdef", 2) - 2);
  const double theirs = std::strtod(hex.c_str(), nullptr);
  if (theirs <= 0xFFFFFFFF) return;
  if (!ours) {
    if (!std::isinf(theirs)) fail("overflow where the C library reads a finite value", text);
    return;
  }
  if (*ours != theirs) {
    std::fprintf(stderr, "  the C library reads %.17g\n", theirs);
    fail("a value other than the C library's", *ours, text);
  }
}

}  // namespace umrak::fuzz
