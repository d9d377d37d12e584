#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/controls.h"
#include "core/run_error.h"

namespace scenario {

// What the user does.
struct Type {
  core::ControlId box;
  std::u16string text;
};
struct Click {
  core::ControlId button;
};
struct Change {
  core::ControlId bar;
  std::int16_t value;
};
struct Scroll {
  core::ControlId bar;
  std::int16_t value;
};

// What the user should see afterwards.
struct ExpectShown {
  core::ControlId control;  // a text box's Text or a label's Caption
  std::u16string text;
};
struct ExpectValue {
  core::ControlId bar;
  std::int16_t value;
};
struct ExpectPrinted {
  int count;
};
struct ExpectEnded {};
struct ExpectError {
  std::int32_t number;
};

// Makes the next property operation on a control fail.
struct Fail {
  core::ControlId control;
  core::Op op;
  core::Status status;
};

using Step = std::variant<Type, Click, Change, Scroll, ExpectShown, ExpectValue, ExpectPrinted,
                          ExpectEnded, ExpectError, Fail>;

struct Command {
  int line;  // 1-based, in the scenario file
  Step step;
};

using Script = std::vector<Command>;

// The actions after which the program may report a run-time error.
constexpr bool isAction(const Step& step) {
  return std::holds_alternative<Type>(step) || std::holds_alternative<Click>(step) ||
         std::holds_alternative<Change>(step) || std::holds_alternative<Scroll>(step);
}

}  // namespace scenario
