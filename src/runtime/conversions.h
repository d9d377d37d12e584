#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace umrak::core {

// The five conversions between texts and numbers. The period is the decimal
// separator whatever the locale, and Arabic-Indic digits (U+0660..U+0669,
// U+06F0..U+06F9) read as decimal digits. A number beyond the range of a
// double raises the overflow error; one too small to represent reads as zero.

// The text must be one number, blanks and tabs around it allowed; anything
// else raises the type-mismatch error.
double strictConversion(std::u16string_view text);

// Reads the numeric beginning of the text, skipping blanks, tabs and line
// feeds anywhere; nothing numeric reads as 0. Also takes &H and &O integers:
// signed 16-bit or 32-bit where they fit 16 or 32 bits, plain values when
// wider.
double lenientConversion(std::u16string_view text);

// One leading blank for zero or more, "-" for a negative value: " 15", "-1".
std::u16string strStyleText(std::int16_t value);

// At most 15 significant digits; exponent form (1E+15, 1.5E-07) from 10^15 up
// and below 10^-4; negative zero prints as "0".
std::u16string numberText(double value);

// Plain digits, "-" before a negative value: "0", "5".
std::u16string integerText(std::int16_t value);

}  // namespace umrak::core
