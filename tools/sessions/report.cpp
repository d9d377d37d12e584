#include "sessions/report.h"

#include <sstream>

#include "form/form_description.h"
#include "scenario/headless_driver.h"
#include "scenario/parser.h"
#include "scenario/perform.h"
#include "scenario/writer.h"

namespace umrak::sessions {

namespace {

// A change to where the bar already stands clicks nothing; the runner would
// call it a mistake in the script, so it is left out.
bool movesNothing(scenario::Driver& model, const scenario::Step& step) {
  const auto* change = std::get_if<scenario::Change>(&step);
  return change && model.value(change->bar) == change->value;
}

}  // namespace

std::string failureScenario(const scenario::Script& session, const Failure& failure,
                            const std::string& comment) {
  std::ostringstream out;
  std::istringstream lines(comment);
  for (std::string line; std::getline(lines, line);) out << "# " << line << '\n';
  scenario::HeadlessDriver model;
  for (std::size_t i = 0; i < session.size() && i <= failure.action; ++i) {
    const scenario::Step& step = session[i].step;
    if (movesNothing(model, step)) continue;
    scenario::perform(model, step);
    out << scenario::writeStep(step) << '\n';
    for (const core::RunError& e : model.takeErrors()) {
      out << scenario::writeStep(scenario::ExpectError{e.number}) << '\n';
    }
  }
  for (const scenario::Step& expect : failure.expectations) {
    if (!std::holds_alternative<scenario::ExpectError>(expect)) {
      out << scenario::writeStep(expect) << '\n';
    }
  }
  return std::move(out).str();
}

bool readsBack(const scenario::Script& session) {
  const scenario::ParsedScript parsed =
      scenario::parseScript(scenario::writeScript(session), form1::form1Description());
  if (!parsed.errors.empty() || parsed.script.size() != session.size()) return false;
  return std::ranges::equal(
      parsed.script, session,
      [](const scenario::Command& a, const scenario::Command& b) { return a.step == b.step; });
}

}  // namespace umrak::sessions
