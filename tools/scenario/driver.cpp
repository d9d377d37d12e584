#include "scenario/driver.h"

namespace umrak::scenario {

namespace {

std::string_view eventName(core::Event event) {
  switch (event) {
    case core::Event::Change:
      return "Change";
    case core::Event::Scroll:
      return "Scroll";
    case core::Event::Click:
      break;
  }
  return "Click";
}

}  // namespace

std::string unreleasedAfter(int formRefs, int controlRefs, core::ControlId control,
                            core::Event event) {
  if (formRefs == 1 && controlRefs == 0) return {};
  return "after " + std::string(eventName(event)) + " of " +
         std::string(core::controlName(control)) + " the form holds " + std::to_string(formRefs) +
         " references (1 at rest) and " + std::to_string(controlRefs) +
         " control references are alive";
}

}  // namespace umrak::scenario
