#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace umrak::scenario {

// One piece of a scenario line: a bare word (a command, a control name, a
// number) or a double-quoted text with its escapes resolved.
struct Token {
  enum class Kind { Word, Text };
  Kind kind;
  std::string word;     // Word: as written
  std::u16string text;  // Text: the UTF-16 code units it stands for
};

struct TokenizedLine {
  std::vector<Token> tokens;
  std::string error;  // empty when the line is well formed
};

// Splits one line (without its line end) into tokens. A `#` outside quotes
// starts a comment. Texts take the escapes \" \\ \t \n \r and \uXXXX.
TokenizedLine tokenize(std::string_view line);

}  // namespace umrak::scenario
