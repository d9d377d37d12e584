#pragma once

#include "core/event_table.h"
#include "scenario/driver.h"
#include "ui/form/form1.h"

namespace scenario {

// Replays scenarios on the form model alone: user actions set properties
// directly and raise the events that the window would raise.
class HeadlessDriver final : public Driver, private core::ErrorReporter {
 public:
  HeadlessDriver() : form_(*this) {}

  void type(core::ControlId box, const std::u16string& text) override;
  void click(core::ControlId button) override;
  void change(core::ControlId bar, std::int16_t value) override;
  void scroll(core::ControlId bar, std::int16_t value) override;

  std::u16string shown(core::ControlId control) override;
  std::int16_t value(core::ControlId bar) override;
  int printedCount() override;
  bool ended() override;
  std::vector<core::RunError> takeErrors() override;
  bool failNext(core::ControlId control, core::Op op, core::Status status) override;

  // The program behind the driver, for watching what an action does.
  form::Form1& form() { return form_; }

 private:
  void report(const core::RunError& error) override { errors_.push_back(error); }

  std::vector<core::RunError> errors_;
  form::Form1 form_;
};

DriverFactory headlessDriverFactory();

}  // namespace scenario
