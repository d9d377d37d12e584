#include "scenario/lexer.h"

#include <gtest/gtest.h>

namespace umrak::scenario {
namespace {

struct TextCase {
  const char* line;
  std::u16string text;
};

TEST(Lexer, QuotedTextResolvesEveryEscape) {
  const TextCase cases[] = {
      {R"(type Text1 "1980")", u"1980"},
      {R"(type Text1 "")", u""},
      {R"(type Text1 " 15 ")", u" 15 "},
      {R"(type Text1 "say \"hi\"")", u"say \"hi\""},
      {R"(type Text1 "a\\b")", u"a\\b"},
      {R"(type Text1 "\t\n\r")", u"\t\n\r"},
      {R"(type Text1 "\u0661\u0662")", u"\u0661\u0662"},
      {R"(type Text1 "\u06f9\u06F9")", u"\u06F9\u06F9"},
      {R"(type Text1 "\uD83D\uDE00")", u"\U0001F600"},
      {R"(type Text1 "\uDE00")", std::u16string(1, char16_t{0xDE00})},
      {R"(type Text1 "برج # ليس تعليقا")", u"برج # ليس تعليقا"},
      {"type Text1 \"a\tb\"", u"a\tb"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.line);
    const TokenizedLine t = tokenize(c.line);
    ASSERT_EQ(t.error, "");
    ASSERT_EQ(t.tokens.size(), 3u);
    EXPECT_EQ(t.tokens[2].kind, Token::Kind::Text);
    EXPECT_EQ(t.tokens[2].text, c.text);
  }
}

TEST(Lexer, CommentsAndBlanksOutsideQuotesAreIgnored) {
  const struct {
    const char* line;
    std::size_t tokens;
  } cases[] = {
      {"", 0},
      {"   \t ", 0},
      {"# a whole comment line", 0},
      {"click Command7 # asks for the age", 2},
      {"click Command7# asks for the age", 2},
      {R"(expect Label8 "22"# the years)", 3},
      {"  click\tCommand7  \r", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const TokenizedLine t = tokenize(c.line);
    EXPECT_EQ(t.error, "");
    EXPECT_EQ(t.tokens.size(), c.tokens);
  }
}

TEST(Lexer, MalformedTextsAreRejected) {
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {R"(type Text1 "1980)", "the text has no closing quote"},
      {R"(type Text1 "19\x")", R"(unknown escape \x (use \" \\ \t \n \r \uXXXX))"},
      {R"(type Text1 "\u06")", R"(\u needs exactly four hex digits)"},
      {R"(type Text1 "\u06G1")", R"(\u needs exactly four hex digits)"},
      {R"(type Text1 "\u-061")", R"(\u needs exactly four hex digits)"},
      {R"(type Text1 "abc\)", "a backslash ends the line inside a text"},
      {R"(type Text1 "a"b)", "a text must be followed by a blank or the end of the line"},
      {R"(type Text1"a")", "a quote inside a word; put a blank before the text"},
      {"type Text1 \"\xC3\x28\"", "the text is not valid UTF-8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const TokenizedLine t = tokenize(c.line);
    EXPECT_EQ(t.error, c.error);
    EXPECT_TRUE(t.tokens.empty());
  }
}

}  // namespace
}  // namespace umrak::scenario
