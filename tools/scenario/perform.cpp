#include "scenario/perform.h"

namespace umrak::scenario {

namespace {

struct Performer {
  Driver& d;
  bool operator()(const Type& s) const { return d.type(s.box, s.text), true; }
  bool operator()(const Click& s) const { return d.click(s.button), true; }
  bool operator()(const Change& s) const { return d.change(s.bar, s.value, s.via), true; }
  bool operator()(const Scroll& s) const { return d.scroll(s.bar, s.value), true; }
  bool operator()(const SetClipboard& s) const { return d.setClipboard(s.text), true; }
  bool operator()(const Paste& s) const { return d.paste(s.box), true; }
  bool operator()(const MiddleClick& s) const { return d.middleClick(s.box), true; }
  bool operator()(const Fail& s) const { return d.failNext(s.control, s.op, s.status); }
  template <typename Expectation>
  bool operator()(const Expectation&) const {
    return true;
  }
};

}  // namespace

bool perform(Driver& driver, const Step& step) {
  return std::visit(Performer{driver}, step);
}

}  // namespace umrak::scenario
