#pragma once

#include <cstdint>

#include "runtime/error_reporter.h"
#include "runtime/event_table.h"

namespace umrak::core {

enum class Outcome : std::uint8_t { NoProcedure, Completed, Failed };

// Delivers events to procedures one at a time. An untrapped run-time error is
// reported once and the program goes on with every property as it stands.
class Dispatcher {
 public:
  Dispatcher(FormModel& form, EventTable table, ErrorReporter& reporter)
      : form_(form), table_(table), reporter_(reporter) {}

  Outcome raise(ControlId control, Event event);

 private:
  FormModel& form_;
  EventTable table_;
  ErrorReporter& reporter_;
};

}  // namespace umrak::core
