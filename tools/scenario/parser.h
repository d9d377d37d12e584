#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "runtime/control_record.h"
#include "scenario/script.h"

namespace umrak::scenario {

struct ParseError {
  int line;
  std::string message;
};

struct ParsedScript {
  Script script;
  std::vector<ParseError> errors;  // a script with errors must not be run
};

// Reads a whole scenario file, one command a line. Controls are checked
// against the form description: their kind, and a bar's Min..Max.
ParsedScript parseScript(std::string_view source, const core::FormDescription& form);

}  // namespace umrak::scenario
