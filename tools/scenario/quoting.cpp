#include "scenario/quoting.h"

#include <array>
#include <cstdio>

#include "runtime/utf.h"

namespace umrak::scenario {

namespace {

bool isHigh(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool isLow(char16_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

// Characters that change how the text is laid out but show nothing.
bool isInvisibleMark(char16_t c) {
  return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF;
}

std::string codeUnit(char16_t c) {
  std::array<char, 7> buf{};
  std::snprintf(buf.data(), buf.size(), "\\u%04X", static_cast<unsigned>(c));
  return buf.data();
}

}  // namespace

std::string quoteText(std::u16string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (isHigh(c) && i + 1 < text.size() && isLow(text[i + 1])) {
      out += core::utf16ToUtf8(text.substr(i, 2));
      ++i;
    } else if (c == u'"') {
      out += "\\\"";
    } else if (c == u'\\') {
      out += "\\\\";
    } else if (c == u'\t') {
      out += "\\t";
    } else if (c == u'\n') {
      out += "\\n";
    } else if (c == u'\r') {
      out += "\\r";
    } else if (c < 0x20 || c == 0x7F || isHigh(c) || isLow(c) || isInvisibleMark(c)) {
      out += codeUnit(c);
    } else {
      out += core::utf16ToUtf8(text.substr(i, 1));
    }
  }
  return out + "\"";
}

std::string shortQuote(std::u16string_view text) {
  constexpr std::size_t kShown = 40;
  if (text.size() <= kShown) return quoteText(text);
  return quoteText(text.substr(0, kShown)) + "... (" + std::to_string(text.size()) + " code units)";
}

}  // namespace umrak::scenario
