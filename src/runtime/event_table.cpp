#include "runtime/event_table.h"

namespace umrak::core {

Procedure EventTable::find(ControlId control, Event event) const {
  for (const EventBinding& b : bindings_) {
    if (b.control == control && b.event == event) return b.procedure;
  }
  return nullptr;
}

}  // namespace umrak::core
