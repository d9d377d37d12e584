#pragma once

#include <string>

#include "scenario/script.h"
#include "sessions/play.h"

namespace umrak::sessions {

// The scenario file that shows a failure, whole, ready to go with the
// acceptance scenarios: `comment` as comment lines, then the session's
// actions with an `error` line for each error that the form model reports,
// and after the failing action the model's side of what differed, which
// the window does not show.
std::string failureScenario(const scenario::Script& session, const Failure& failure,
                            const std::string& comment);

// The session written as a scenario file reads back as the same steps.
bool readsBack(const scenario::Script& session);

}  // namespace umrak::sessions
