#include "runtime/utf.h"

#include <gtest/gtest.h>

#include <string>

namespace umrak::unit {
namespace {

TEST(Utf, TextRoundTripsAndBrokenInputBecomesReplacementCharacters) {
  for (const std::string text : {"", "198", "برنامج قزوبان", "أ\r\nب", "\xF0\x9F\x98\x80 x"}) {
    EXPECT_EQ(core::utf16ToUtf8(core::utf8ToUtf16(text)), text);
  }
  EXPECT_EQ(core::utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
  // Stray, overlong, truncated, surrogate, beyond U+10FFFF, bad lead byte.
  for (const std::string bytes :
       {"\x80", "\xC0\x80", "\xE2\x82", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF8"}) {
    SCOPED_TRACE(testing::PrintToString(bytes));
    EXPECT_EQ(core::utf8ToUtf16(bytes + "A"), u"\uFFFDA");
  }
  EXPECT_EQ(core::utf16ToUtf8(u"a\xD800"), "a\xEF\xBF\xBD");
  EXPECT_EQ(core::utf16ToUtf8(u"\xDC00"), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace umrak::unit
