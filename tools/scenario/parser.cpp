#include "scenario/parser.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "form/roles.h"
#include "scenario/lexer.h"

namespace umrak::scenario {

namespace {

using core::ControlId;
using core::Kind;

// Thrown for the first fault on a line; the parser reports it and goes on.
struct LineError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string kindName(Kind kind) {
  switch (kind) {
    case Kind::CommandButton:
      return "a command button";
    case Kind::TextBox:
      return "a text box";
    case Kind::Label:
      return "a label";
    case Kind::Frame:
      return "a frame";
    case Kind::HScrollBar:
    case Kind::VScrollBar:
      break;
  }
  return "a scroll bar";
}

// A role's name in scenarios: its name in the code without the k, in
// lower_snake case. kEnterButton is enter_button, kDays31BorrowButton is
// days31_borrow_button.
std::string roleSpelling(std::string_view code) {
  std::string spelling;
  for (const char c : code.substr(1)) {
    if (c >= 'A' && c <= 'Z') {
      if (!spelling.empty()) spelling += '_';
      spelling += static_cast<char>(c - 'A' + 'a');
    } else {
      spelling += c;
    }
  }
  return spelling;
}

// A control by its name in the form (Command7) or by its role (enter_button).
std::optional<ControlId> controlNamed(std::string_view name) {
  if (const std::optional<ControlId> id = core::controlByName(name)) return id;
  for (const form1::Role& role : form1::kRoles) {
    if (roleSpelling(role.name) == name) return role.control;
  }
  return std::nullopt;
}

struct OpName {
  std::string_view name;
  core::Op op;
  Kind kind;
};

constexpr OpName kOps[] = {
    {"get-text", core::Op::GetText, Kind::TextBox},
    {"set-text", core::Op::SetText, Kind::TextBox},
    {"get-caption", core::Op::GetCaption, Kind::Label},
    {"set-caption", core::Op::SetCaption, Kind::Label},
    {"get-value", core::Op::GetValue, Kind::VScrollBar},
};

class LineParser {
 public:
  LineParser(const core::FormDescription& form, std::vector<Token> tokens)
      : form_(form), tokens_(std::move(tokens)) {}

  Step parse() {
    const std::string verb = word("a command");
    Step step = parseVerb(verb);
    if (next_ != tokens_.size()) throw LineError("too many arguments for " + verb);
    return step;
  }

 private:
  Step parseVerb(const std::string& verb) {
    if (verb == "type") {
      const ControlId box = controlOf(Kind::TextBox, "type");
      return Type{box, text("type")};
    }
    if (verb == "click") return Click{controlOf(Kind::CommandButton, "click")};
    if (verb == "change") {
      const ControlId bar = controlOf(Kind::VScrollBar, "change");
      const std::int16_t value = barValue(bar);
      return Change{bar, value, via()};
    }
    if (verb == "scroll") {
      const ControlId bar = controlOf(Kind::VScrollBar, "scroll");
      return Scroll{bar, barValue(bar)};
    }
    if (verb == "clipboard") return parseClipboard();
    if (verb == "paste") return Paste{controlOf(Kind::TextBox, "paste")};
    if (verb == "middle") return MiddleClick{controlOf(Kind::TextBox, "middle")};
    if (verb == "expect") return parseExpect();
    if (verb == "error") return ExpectError{nonZero(integer("error", INT32_MIN, INT32_MAX))};
    if (verb == "fail") return parseFail();
    throw LineError("unknown command \"" + verb + "\"");
  }

  Step parseExpect() {
    const std::string subject = word("what to expect");
    if (subject == "printed") {
      return ExpectPrinted{static_cast<int>(integer("expect printed", 0, INT32_MAX))};
    }
    if (subject == "ended") return ExpectEnded{};
    const ControlId id = known(subject);
    const Kind kind = kindOf(id);
    if (core::isScrollBar(kind)) return ExpectValue{id, barValue(id)};
    if (kind != Kind::TextBox && kind != Kind::Label) {
      throw LineError("expect needs a text box, a label or a scroll bar, and " + subject + " is " +
                      kindName(kind));
    }
    return ExpectShown{id, text("expect " + subject)};
  }

  Step parseClipboard() {
    const Token& t = take("a quoted text or \"empty\" after clipboard");
    if (t.kind == Token::Kind::Text) return SetClipboard{t.text};
    if (t.word == "empty") return SetClipboard{std::nullopt};
    throw LineError("clipboard needs a quoted text or \"empty\", not \"" + t.word + "\"");
  }

  // Arrows unless the line ends in "trough".
  Via via() {
    if (next_ == tokens_.size()) return Via::Arrows;
    const std::string w = word("arrows or trough");
    if (w == "arrows") return Via::Arrows;
    if (w == "trough") return Via::Trough;
    throw LineError("a change is made by \"arrows\" or \"trough\", not \"" + w + "\"");
  }

  Step parseFail() {
    const ControlId id = known(word("a control"));
    const std::string name = word("an operation");
    const auto* op = std::ranges::find(kOps, name, &OpName::name);
    if (op == std::end(kOps)) {
      throw LineError("unknown operation \"" + name +
                      "\" (get-text, set-text, get-caption, set-caption, get-value)");
    }
    requireKind(id, op->kind, name);
    const auto status = integer("fail", INT32_MIN, -1);
    return Fail{id, op->op, static_cast<core::Status>(status)};
  }

  const Token& take(const std::string& what) {
    if (next_ == tokens_.size()) throw LineError("missing " + what);
    return tokens_[next_++];
  }

  std::string word(const std::string& what) {
    const Token& t = take(what);
    if (t.kind != Token::Kind::Word) throw LineError("expected " + what + ", found a text");
    return t.word;
  }

  std::u16string text(const std::string& verb) {
    const Token& t = take("the quoted text after " + verb);
    if (t.kind != Token::Kind::Text) throw LineError(verb + " needs a quoted text");
    return t.text;
  }

  std::int64_t integer(const std::string& verb, std::int64_t min, std::int64_t max) {
    const std::string w = word("a whole number after " + verb);
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), n);
    if (ec != std::errc() || end != w.data() + w.size()) {
      throw LineError("\"" + w + "\" is not a whole number");
    }
    if (n < min || n > max) {
      throw LineError(verb + " " + w + " is out of range (" + std::to_string(min) + ".." +
                      std::to_string(max) + ")");
    }
    return n;
  }

  static std::int32_t nonZero(std::int64_t n) {
    if (n == 0) throw LineError("error 0 is no error");
    return static_cast<std::int32_t>(n);
  }

  std::int16_t barValue(ControlId bar) {
    const core::ScrollSettings& s = record(bar).scroll;
    const std::string name(core::controlName(bar));
    const std::string w = word("a value for " + name);
    std::int64_t n = 0;
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), n);
    if (ec != std::errc() || end != w.data() + w.size()) {
      throw LineError(name + " needs a whole number, not \"" + w + "\"");
    }
    if (n < s.min || n > s.max) {
      throw LineError(w + " is outside " + name + "'s range " + std::to_string(s.min) + ".." +
                      std::to_string(s.max));
    }
    return static_cast<std::int16_t>(n);
  }

  ControlId known(const std::string& name) {
    const std::optional<ControlId> id = controlNamed(name);
    if (!id) throw LineError("unknown control \"" + name + "\"");
    return *id;
  }

  ControlId controlOf(Kind kind, const std::string& verb) {
    const ControlId id = known(word("a control after " + verb));
    requireKind(id, kind, verb);
    return id;
  }

  void requireKind(ControlId id, Kind kind, const std::string& verb) {
    const Kind actual = kindOf(id);
    const bool fits = actual == kind || (core::isScrollBar(kind) && core::isScrollBar(actual));
    if (!fits) {
      throw LineError(verb + " needs " + kindName(kind) + ", and " +
                      std::string(core::controlName(id)) + " is " + kindName(actual));
    }
  }

  const core::ControlRecord& record(ControlId id) const {
    const auto r = std::ranges::find(form_.controls, id, &core::ControlRecord::id);
    if (r == form_.controls.end())
      throw LineError("the form has no " + std::string(core::controlName(id)));
    return *r;
  }
  Kind kindOf(ControlId id) const { return record(id).kind; }

  const core::FormDescription& form_;
  std::vector<Token> tokens_;
  std::size_t next_ = 0;
};

}  // namespace

ParsedScript parseScript(std::string_view source, const core::FormDescription& form) {
  ParsedScript out;
  int line = 0;
  while (!source.empty() || line == 0) {
    ++line;
    const std::size_t end = std::min(source.find('\n'), source.size());
    const std::string_view text = source.substr(0, end);
    source.remove_prefix(std::min(end + 1, source.size()));
    TokenizedLine tokens = tokenize(text);
    if (!tokens.error.empty()) {
      out.errors.push_back({line, tokens.error});
      continue;
    }
    if (tokens.tokens.empty()) continue;
    try {
      out.script.push_back({line, LineParser(form, std::move(tokens.tokens)).parse()});
    } catch (const LineError& e) {
      out.errors.push_back({line, e.what()});
    }
  }
  return out;
}

}  // namespace umrak::scenario
