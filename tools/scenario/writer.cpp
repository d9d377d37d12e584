#include "scenario/writer.h"

#include "scenario/quoting.h"

namespace umrak::scenario {

namespace {

std::string name(core::ControlId id) {
  return std::string(core::controlName(id));
}

std::string opName(core::Op op) {
  switch (op) {
    case core::Op::GetText:
      return "get-text";
    case core::Op::SetText:
      return "set-text";
    case core::Op::GetCaption:
      return "get-caption";
    case core::Op::SetCaption:
      return "set-caption";
    case core::Op::GetValue:
      break;
  }
  return "get-value";
}

struct Writer {
  std::string operator()(const Type& s) const {
    return "type " + name(s.box) + " " + quoteText(s.text);
  }
  std::string operator()(const Click& s) const { return "click " + name(s.button); }
  std::string operator()(const Change& s) const {
    return "change " + name(s.bar) + " " + std::to_string(s.value) +
           (s.via == Via::Trough ? " trough" : "");
  }
  std::string operator()(const Scroll& s) const {
    return "scroll " + name(s.bar) + " " + std::to_string(s.value);
  }
  std::string operator()(const SetClipboard& s) const {
    return "clipboard " + (s.text ? quoteText(*s.text) : std::string("empty"));
  }
  std::string operator()(const Paste& s) const { return "paste " + name(s.box); }
  std::string operator()(const MiddleClick& s) const { return "middle " + name(s.box); }
  std::string operator()(const ExpectShown& s) const {
    return "expect " + name(s.control) + " " + quoteText(s.text);
  }
  std::string operator()(const ExpectValue& s) const {
    return "expect " + name(s.bar) + " " + std::to_string(s.value);
  }
  std::string operator()(const ExpectPrinted& s) const {
    return "expect printed " + std::to_string(s.count);
  }
  std::string operator()(const ExpectEnded&) const { return "expect ended"; }
  std::string operator()(const ExpectError& s) const { return "error " + std::to_string(s.number); }
  std::string operator()(const Fail& s) const {
    return "fail " + name(s.control) + " " + opName(s.op) + " " + std::to_string(s.status);
  }
};

}  // namespace

std::string writeStep(const Step& step) {
  return std::visit(Writer{}, step);
}

std::string writeScript(const Script& script) {
  std::string out;
  for (const Command& c : script) out += writeStep(c.step) + '\n';
  return out;
}

}  // namespace umrak::scenario
