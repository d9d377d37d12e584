#include "core/event_table.h"

namespace umrak::core {

Procedure EventTable::find(ControlId control, Event event) const {
  for (const EventBinding& b : bindings_) {
    if (b.control == control && b.event == event) return b.procedure;
  }
  return nullptr;
}

Outcome Dispatcher::raise(ControlId control, Event event) {
  if (form_.ended()) return Outcome::NoProcedure;
  const Procedure procedure = table_.find(control, event);
  if (!procedure) return Outcome::NoProcedure;
  try {
    procedure(form_, Entry::Event);
  } catch (const RunError& e) {
    reporter_.report(e);
    return Outcome::Failed;
  }
  return Outcome::Completed;
}

}  // namespace umrak::core
