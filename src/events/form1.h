#pragma once

#include "runtime/dispatcher.h"
#include "runtime/form_model.h"

namespace umrak::form1 {

// Every event of Form1 that reaches a procedure.
core::EventTable form1Events();

// Form1 as the program runs it: the form model built from the stored
// description, and the dispatcher that delivers its events.
class Form1 {
 public:
  explicit Form1(core::ErrorReporter& reporter);

  core::FormModel& model() { return model_; }
  const core::FormModel& model() const { return model_; }
  core::Outcome raise(core::ControlId control, core::Event event) {
    return dispatcher_.raise(control, event);
  }

 private:
  core::FormModel model_;
  core::Dispatcher dispatcher_;
};

}  // namespace umrak::form1
