#pragma once

#include <cstdint>
#include <iosfwd>

#include "scenario/driver.h"

namespace umrak::sessions {

struct RunOptions {
  std::uint64_t seed = 1;  // session i is generated from seed + i
  std::uint64_t count = 1000;
  int maxActions = 30;
  bool window = false;  // side by side with the window instead of the model alone
  bool print = false;   // write each session as a scenario file before playing it
};

struct RunSummary {
  std::uint64_t sessions = 0;
  std::uint64_t actions = 0;
  std::uint64_t failed = 0;
};

// Generates and plays `count` sessions. Each failing one is shrunk and
// written to `out` as the scenario file that shows it.
RunSummary runSessions(const RunOptions& options, const scenario::DriverFactory& window,
                       std::ostream& out);

// The seed of the session being played, for a report of a crash.
std::uint64_t currentSeed();

}  // namespace umrak::sessions
