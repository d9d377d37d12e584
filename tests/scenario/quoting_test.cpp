#include "scenario/quoting.h"

#include <gtest/gtest.h>

namespace umrak::scenario {
namespace {

TEST(Quoting, ReportsShowTextsAsAScenarioWouldWriteThem) {
  const struct {
    std::u16string text;
    std::string shown;
  } cases[] = {
      {u"", R"("")"},
      {u" 1985", R"(" 1985")"},
      {u"انت من برج الحوت", R"("انت من برج الحوت")"},
      {u"a\"b\\c", R"("a\"b\\c")"},
      {u"\t\n\r", R"("\t\n\r")"},
      {u"\u200F5\u202B", R"("\u200F5\u202B")"},
      {std::u16string(1, char16_t{0xD83D}), R"("\uD83D")"},
      {u"\U0001F600", "\"\xF0\x9F\x98\x80\""},
      {std::u16string(1, u'\0'), R"("\u0000")"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(quoteText(c.text), c.shown);
  }
}

}  // namespace
}  // namespace umrak::scenario
