#pragma once

#include <string>
#include <vector>

#include "scenario/driver.h"
#include "scenario/script.h"

namespace umrak::scenario {

// One way in which a run differs from its script, at a line of the file.
struct Finding {
  int line;
  std::string message;
};

// Runs every command of the script against the driver and collects where
// what the program did differs from what the script expects. A run-time
// error that no `error` line claims is a finding at the action that caused it.
std::vector<Finding> runScript(const Script& script, Driver& driver);

}  // namespace umrak::scenario
