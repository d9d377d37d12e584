#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/form_model.h"
#include "runtime/run_error.h"

namespace umrak::core {

// How a procedure was entered: from the event dispatcher, or by another
// procedure through the form interface.
enum class Caller : std::uint8_t { Event, FormInterface };

using Procedure = Status (*)(FormModel& form, Caller caller);

// Holds a counted reference on the form for a procedure's whole run.
class FormRef {
 public:
  explicit FormRef(FormModel& form) : form_(form) { form_.addRef(); }
  FormRef(const FormRef&) = delete;
  FormRef& operator=(const FormRef&) = delete;
  ~FormRef() { form_.release(); }

 private:
  FormModel& form_;
};

// The status check: a negative status from a control's property operation
// becomes a run-time error naming the control and the operation.
void checkStatus(Status status, ControlId id, Op op);

// The floating-point status check after an addition or subtraction. Operands
// are always finite, so a non-finite result can only be an overflow.
double checked(double result);

// A procedure's run. `body` runs the procedure's steps and throws RunError at
// a failing step; every temporary it holds is released by unwinding. From an
// event the error goes on to the dispatcher; through the form interface it
// becomes the procedure's status and the form keeps its description.
template <typename Body>
Status runProcedure(FormModel& form, Caller caller, Body&& body) {
  FormRef hold(form);
  try {
    body(form);
  } catch (RunError& e) {
    if (caller == Caller::Event) throw;
    form.setErrorInfo(std::move(e.message));
    return e.failure;
  }
  return kOk;
}

// Calls a procedure of the form through the form interface and checks the
// status that comes back, raising the callee's error as the caller's own.
void callThroughForm(FormModel& form, Procedure procedure);

// One step's property access: a fresh control reference, one operation, the
// status check, and the reference released before the next step.
std::u16string getText(FormModel& form, ControlId id);
void setText(FormModel& form, ControlId id, std::u16string_view text);
std::u16string getCaption(FormModel& form, ControlId id);
void setCaption(FormModel& form, ControlId id, std::u16string_view text);
std::int16_t getValue(FormModel& form, ControlId id);

}  // namespace umrak::core
