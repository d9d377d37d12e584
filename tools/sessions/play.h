#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "scenario/driver.h"
#include "scenario/script.h"

namespace umrak::sessions {

// Where a session went wrong: after which action, what differed or broke,
// and the expectations (the form model's side) that catch it in a scenario.
struct Failure {
  std::size_t action;   // index into the session's script
  std::string subject;  // what went wrong, kept while the session is shrunk
  std::string message;
  std::vector<scenario::Step> expectations;
};

// Plays a session on the form model alone. It fails where an event leaves
// references held or where anything escapes the program's own error handling.
std::optional<Failure> playOnModel(const scenario::Script& session);

// Plays a session on the form model and through `window` side by side, and
// after every action compares every box, label and bar, the printing, the
// end of the program and the errors reported with their numbers.
std::optional<Failure> playSideBySide(const scenario::Script& session,
                                      const scenario::DriverFactory& window);

}  // namespace umrak::sessions
