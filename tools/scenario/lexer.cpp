#include "scenario/lexer.h"

#include <charconv>
#include <cstdint>

#include "runtime/utf.h"

namespace umrak::scenario {

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r';
}

bool endsToken(char c) {
  return isBlank(c) || c == '#';
}

// The converters replace broken UTF-8 with U+FFFD; a round trip that changes
// the bytes means the file itself is broken there.
bool isValidUtf8(std::string_view bytes) {
  return core::utf16ToUtf8(core::utf8ToUtf16(bytes)) == bytes;
}

class LineReader {
 public:
  explicit LineReader(std::string_view line) : line_(line) {}

  TokenizedLine run() {
    while (result_.error.empty()) {
      while (pos_ < line_.size() && isBlank(line_[pos_])) ++pos_;
      if (pos_ == line_.size() || line_[pos_] == '#') break;
      if (line_[pos_] == '"') {
        readText();
      } else {
        readWord();
      }
    }
    if (!result_.error.empty()) result_.tokens.clear();
    return std::move(result_);
  }

 private:
  void fail(std::string message) {
    if (result_.error.empty()) result_.error = std::move(message);
  }

  void readWord() {
    const std::size_t start = pos_;
    while (pos_ < line_.size() && !endsToken(line_[pos_])) {
      if (line_[pos_] == '"') return fail("a quote inside a word; put a blank before the text");
      ++pos_;
    }
    result_.tokens.push_back(
        {Token::Kind::Word, std::string(line_.substr(start, pos_ - start)), {}});
  }

  void readText() {
    ++pos_;
    std::u16string text;
    std::size_t runStart = pos_;
    const auto flushRun = [&] {
      const std::string_view run = line_.substr(runStart, pos_ - runStart);
      if (!isValidUtf8(run)) return fail("the text is not valid UTF-8");
      text += core::utf8ToUtf16(run);
    };
    while (result_.error.empty()) {
      if (pos_ == line_.size()) return fail("the text has no closing quote");
      const char c = line_[pos_];
      if (c == '"') break;
      if (c != '\\') {
        ++pos_;
        continue;
      }
      flushRun();
      readEscape(text);
      runStart = pos_;
    }
    if (!result_.error.empty()) return;
    flushRun();
    ++pos_;
    if (pos_ < line_.size() && !endsToken(line_[pos_])) {
      return fail("a text must be followed by a blank or the end of the line");
    }
    result_.tokens.push_back({Token::Kind::Text, {}, std::move(text)});
  }

  // pos_ stands on the backslash.
  void readEscape(std::u16string& text) {
    ++pos_;
    if (pos_ == line_.size()) return fail("a backslash ends the line inside a text");
    const char c = line_[pos_++];
    switch (c) {
      case '"':
        text += u'"';
        return;
      case '\\':
        text += u'\\';
        return;
      case 't':
        text += u'\t';
        return;
      case 'n':
        text += u'\n';
        return;
      case 'r':
        text += u'\r';
        return;
      case 'u':
        return readCodeUnit(text);
      default:
        fail(std::string("unknown escape \\") + c + R"( (use \" \\ \t \n \r \uXXXX))");
    }
  }

  void readCodeUnit(std::u16string& text) {
    constexpr std::size_t kDigits = 4;
    const std::string_view hex = line_.substr(pos_, kDigits);
    std::uint16_t unit = 0;
    const auto [end, ec] = std::from_chars(hex.data(), hex.data() + hex.size(), unit, 16);
    if (hex.size() != kDigits || ec != std::errc() || end != hex.data() + kDigits) {
      return fail(R"(\u needs exactly four hex digits)");
    }
    pos_ += kDigits;
    text += static_cast<char16_t>(unit);
  }

  std::string_view line_;
  std::size_t pos_ = 0;
  TokenizedLine result_;
};

}  // namespace

TokenizedLine tokenize(std::string_view line) {
  return LineReader(line).run();
}

}  // namespace umrak::scenario
