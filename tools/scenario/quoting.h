#pragma once

#include <string>
#include <string_view>

namespace umrak::scenario {

// A text as a scenario would write it: in double quotes, UTF-8, with the
// scenario escapes for quotes, backslashes, control characters, lone
// surrogates and the invisible direction marks, so that blanks and marks
// show in a report.
std::string quoteText(std::u16string_view text);

// The same for a report line: a long text by its beginning and its length.
std::string shortQuote(std::u16string_view text);

}  // namespace umrak::scenario
