#pragma once

#include "runtime/run_error.h"

namespace umrak::core {

// Where untrapped run-time errors go: the window shows a message box, the
// scenario runner records them.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void report(const RunError& error) = 0;
};

}  // namespace umrak::core
