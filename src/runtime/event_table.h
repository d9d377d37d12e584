#pragma once

#include <span>

#include "runtime/procedure.h"

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

}  // namespace umrak::core
