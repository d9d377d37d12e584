#pragma once

#include <string>
#include <string_view>

namespace umrak::core {

// Invalid sequences become U+FFFD; the program's own texts are all valid.
std::u16string utf8ToUtf16(std::string_view in);
std::string utf16ToUtf8(std::u16string_view in);

}  // namespace umrak::core
