#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "runtime/control_record.h"
#include "runtime/controls.h"
#include "runtime/run_error.h"

namespace umrak::core {

// One print on the form's surface.
struct PrintedLine {
  int row;  // line number from the form's starting print position
  std::u16string text;
  friend bool operator==(const PrintedLine&, const PrintedLine&) = default;
};

// Told about every change of what the window shows.
class FormObserver {
 public:
  virtual ~FormObserver() = default;
  virtual void propertyChanged(ControlId id) = 0;
  virtual void printed(const PrintedLine& line) = 0;
  virtual void programEnded() = 0;
};

class ControlRef;

// The form and its 55 controls: the single store of every property the
// program reads or writes, built from the stored form description.
class FormModel {
 public:
  explicit FormModel(const FormDescription& description);
  FormModel(const FormModel&) = delete;
  FormModel& operator=(const FormModel&) = delete;

  const FormDescription& description() const { return description_; }
  const ControlRecord& record(ControlId id) const { return description_.controls[slot(id)]; }
  Kind kind(ControlId id) const { return record(id).kind; }

  // What the window shows and what the user does; no status, no procedure.
  const std::u16string& text(ControlId id) const { return texts_[indexOf(id)]; }
  std::int16_t value(ControlId id) const { return values_[indexOf(id)]; }
  void userSetText(ControlId id, std::u16string text);
  void userSetValue(ControlId id, std::int16_t value);

  void setObserver(FormObserver* observer) { observer_ = observer; }

  // The form interface's counted reference, and live control references.
  void addRef() { ++formRefs_; }
  void release() { --formRefs_; }
  int formRefCount() const { return formRefs_; }
  int liveControlRefs() const { return controlRefs_; }
  ControlRef control(ControlId id);

  // Makes the next `op` on `id` fail with `status` (negative).
  void failNext(ControlId id, Op op, Status status);

  // The description that the form holds for the last error that left one of
  // its procedures through the form interface; taking it clears it.
  void setErrorInfo(std::string message) { errorInfo_ = std::move(message); }
  std::string takeErrorInfo() { return std::exchange(errorInfo_, {}); }

  void end();
  bool ended() const { return ended_; }

  // Printing on the form's surface. The print position is a line number:
  // each print draws one line there and moves the position to the next.
  // The form does not keep what it drew, the window's pixels do; it knows
  // only how often it printed and the last line it drew, wherever that
  // fell and whatever has been repainted since.
  void print(std::u16string text);
  int printPosition() const { return printRow_; }
  int printCount() const { return printCount_; }
  const std::optional<PrintedLine>& lastPrinted() const { return lastPrinted_; }

 private:
  friend class ControlRef;
  std::size_t slot(ControlId id) const { return slots_[indexOf(id)]; }
  std::optional<Status> takeFailure(ControlId id, Op op);
  Status get(ControlId id, Op op, std::u16string& out);
  Status set(ControlId id, Op op, std::u16string_view text);
  Status getValue(ControlId id, std::int16_t& out);
  void changed(ControlId id);

  FormDescription description_;
  std::array<std::size_t, kControlCount> slots_{};
  std::array<std::u16string, kControlCount> texts_;
  std::array<std::int16_t, kControlCount> values_{};
  std::array<std::array<std::optional<Status>, 5>, kControlCount> failures_{};
  FormObserver* observer_ = nullptr;
  int formRefs_ = 1;  // the platform's own reference
  int controlRefs_ = 0;
  std::string errorInfo_;
  bool ended_ = false;
  std::optional<PrintedLine> lastPrinted_;
  int printRow_ = 0;
  int printCount_ = 0;
};

// A counted reference to one control, obtained from the form's accessor.
// Every property operation returns a status for the caller to check.
class ControlRef {
 public:
  ControlRef(FormModel& form, ControlId id) : form_(&form), id_(id) { ++form.controlRefs_; }
  ControlRef(const ControlRef&) = delete;
  ControlRef& operator=(const ControlRef&) = delete;
  ~ControlRef() { --form_->controlRefs_; }

  ControlId id() const { return id_; }
  Status getText(std::u16string& out) { return form_->get(id_, Op::GetText, out); }
  Status setText(std::u16string_view t) { return form_->set(id_, Op::SetText, t); }
  Status getCaption(std::u16string& out) { return form_->get(id_, Op::GetCaption, out); }
  Status setCaption(std::u16string_view t) { return form_->set(id_, Op::SetCaption, t); }
  Status getValue(std::int16_t& out) { return form_->getValue(id_, out); }

 private:
  FormModel* form_;
  ControlId id_;
};

inline ControlRef FormModel::control(ControlId id) {
  return ControlRef(*this, id);
}

}  // namespace umrak::core
