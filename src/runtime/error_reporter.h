#pragma once

#include <vector>

#include "runtime/run_error.h"

namespace umrak::core {

// Where untrapped run-time errors go: the window shows a message box, the
// scenario runner records them.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void report(const RunError& error) = 0;
};

// Keeps every error it is given, for whoever plays the form without a
// window: the scenario runner and the tests.
class RecordingReporter final : public ErrorReporter {
 public:
  void report(const RunError& error) override { errors.push_back(error); }
  std::vector<RunError> errors;
};

}  // namespace umrak::core
