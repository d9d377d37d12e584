#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "runtime/controls.h"
#include "runtime/run_error.h"

namespace umrak::scenario {

// What the user does.
struct Type {
  core::ControlId box;
  std::u16string text;
  friend bool operator==(const Type&, const Type&) = default;
};
struct Click {
  core::ControlId button;
  friend bool operator==(const Click&, const Click&) = default;
};
// A completed change is made by clicks on an arrow or in the trough, each
// click one step towards the value.
enum class Via : std::uint8_t { Arrows, Trough };
struct Change {
  core::ControlId bar;
  std::int16_t value;
  Via via = Via::Arrows;
  friend bool operator==(const Change&, const Change&) = default;
};
struct Scroll {
  core::ControlId bar;
  std::int16_t value;
  friend bool operator==(const Scroll&, const Scroll&) = default;
};
// The user copies a text from elsewhere, or the clipboard holds nothing.
struct SetClipboard {
  std::optional<std::u16string> text;
  friend bool operator==(const SetClipboard&, const SetClipboard&) = default;
};
// Ctrl+V with the cursor at the end of the box's text.
struct Paste {
  core::ControlId box;
  friend bool operator==(const Paste&, const Paste&) = default;
};
// A middle click into the box. It pastes the primary selection, and the
// scenario's platforms have none, so the box keeps its text.
struct MiddleClick {
  core::ControlId box;
  friend bool operator==(const MiddleClick&, const MiddleClick&) = default;
};

// What the user should see afterwards.
struct ExpectShown {
  core::ControlId control;  // a text box's Text or a label's Caption
  std::u16string text;
  friend bool operator==(const ExpectShown&, const ExpectShown&) = default;
};
struct ExpectValue {
  core::ControlId bar;
  std::int16_t value;
  friend bool operator==(const ExpectValue&, const ExpectValue&) = default;
};
struct ExpectPrinted {
  int count;
  friend bool operator==(const ExpectPrinted&, const ExpectPrinted&) = default;
};
struct ExpectEnded {
  friend bool operator==(const ExpectEnded&, const ExpectEnded&) = default;
};
struct ExpectError {
  std::int32_t number;
  friend bool operator==(const ExpectError&, const ExpectError&) = default;
};

// Makes the next property operation on a control fail.
struct Fail {
  core::ControlId control;
  core::Op op;
  core::Status status;
  friend bool operator==(const Fail&, const Fail&) = default;
};

using Step = std::variant<Type, Click, Change, Scroll, SetClipboard, Paste, MiddleClick,
                          ExpectShown, ExpectValue, ExpectPrinted, ExpectEnded, ExpectError, Fail>;

struct Command {
  int line;  // 1-based, in the scenario file
  Step step;
  friend bool operator==(const Command&, const Command&) = default;
};

using Script = std::vector<Command>;

// The actions after which the program may report a run-time error.
constexpr bool isAction(const Step& step) {
  return std::holds_alternative<Type>(step) || std::holds_alternative<Click>(step) ||
         std::holds_alternative<Change>(step) || std::holds_alternative<Scroll>(step) ||
         std::holds_alternative<Paste>(step) || std::holds_alternative<MiddleClick>(step);
}

}  // namespace umrak::scenario
