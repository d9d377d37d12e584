#include "runtime/dispatcher.h"

namespace umrak::core {

Outcome Dispatcher::raise(ControlId control, Event event) {
  if (form_.ended()) return Outcome::NoProcedure;
  const Procedure procedure = table_.find(control, event);
  if (!procedure) return Outcome::NoProcedure;
  try {
    procedure(form_, Caller::Event);
  } catch (const RunError& e) {
    reporter_.report(e);
    return Outcome::Failed;
  }
  return Outcome::Completed;
}

}  // namespace umrak::core
