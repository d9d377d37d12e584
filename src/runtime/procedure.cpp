#include "runtime/procedure.h"

#include <cmath>

namespace umrak::core {

namespace {

std::string_view opName(Op op) {
  switch (op) {
    case Op::GetText:
      return "قراءة Text";
    case Op::SetText:
      return "كتابة Text";
    case Op::GetCaption:
      return "قراءة Caption";
    case Op::SetCaption:
      return "كتابة Caption";
    case Op::GetValue:
      return "قراءة Value";
  }
  return "";
}

}  // namespace

void checkStatus(Status status, ControlId id, Op op) {
  if (status >= 0) return;
  RunError e = errorFromStatus(status, {});
  e.message = "فشلت عملية " + std::string(opName(op)) + " على العنصر " +
              std::string(controlName(id)) + ": " + e.message;
  throw e;
}

double checked(double result) {
  if (!std::isfinite(result)) throw makeError(error::kOverflow);
  return result;
}

void callThroughForm(FormModel& form, Procedure procedure) {
  const Status status = procedure(form, Caller::FormInterface);
  if (status >= 0) return;
  throw errorFromStatus(status, form.takeErrorInfo());
}

std::u16string getText(FormModel& form, ControlId id) {
  ControlRef c = form.control(id);
  std::u16string out;
  checkStatus(c.getText(out), id, Op::GetText);
  return out;
}

void setText(FormModel& form, ControlId id, std::u16string_view text) {
  ControlRef c = form.control(id);
  checkStatus(c.setText(text), id, Op::SetText);
}

std::u16string getCaption(FormModel& form, ControlId id) {
  ControlRef c = form.control(id);
  std::u16string out;
  checkStatus(c.getCaption(out), id, Op::GetCaption);
  return out;
}

void setCaption(FormModel& form, ControlId id, std::u16string_view text) {
  ControlRef c = form.control(id);
  checkStatus(c.setCaption(text), id, Op::SetCaption);
}

std::int16_t getValue(FormModel& form, ControlId id) {
  ControlRef c = form.control(id);
  std::int16_t out = 0;
  checkStatus(c.getValue(out), id, Op::GetValue);
  return out;
}

}  // namespace umrak::core
