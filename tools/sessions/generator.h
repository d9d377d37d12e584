#pragma once

#include <cstdint>

#include "scenario/script.h"

namespace umrak::sessions {

struct SessionOptions {
  int maxActions = 30;
  // Injected failures of property operations; the window has no way to make
  // a control fail, so only sessions on the form model use them.
  bool failures = true;
};

// A user's session, as the actions of a scenario: typing into the six date
// boxes, clicks on every button, bar moves by arrow, trough and drag, the
// clipboard, pastes and middle clicks. A click on the exit button ends it.
// The same seed gives the same session.
scenario::Script generateSession(std::uint64_t seed, const SessionOptions& options);

}  // namespace umrak::sessions
