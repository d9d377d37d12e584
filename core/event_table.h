#pragma once

#include <span>

#include "core/frame.h"

namespace umrak::core {

struct EventBinding {
  ControlId control;
  Event event;
  Procedure procedure;
};

// Which event of which control reaches which procedure; every other event
// reaches nothing.
class EventTable {
 public:
  explicit EventTable(std::span<const EventBinding> bindings) : bindings_(bindings) {}
  Procedure find(ControlId control, Event event) const;
  std::span<const EventBinding> bindings() const { return bindings_; }

 private:
  std::span<const EventBinding> bindings_;
};

// Where untrapped run-time errors go: the window shows a message box, the
// scenario runner records them.
class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  virtual void report(const RunError& error) = 0;
};

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
