#pragma once

#include "events/form1.h"
#include "runtime/dispatcher.h"
#include "scenario/driver.h"

namespace umrak::scenario {

// Replays scenarios on the form model alone: user actions set properties
// directly and raise the events that the window would raise. The platform
// has a clipboard of its own and no primary selection.
class HeadlessDriver final : public Driver {
 public:
  HeadlessDriver() : form_(reporter_) {}

  void type(core::ControlId box, const std::u16string& text) override;
  void click(core::ControlId button) override;
  void change(core::ControlId bar, std::int16_t value, Via via) override;
  void scroll(core::ControlId bar, std::int16_t value) override;
  void setClipboard(const std::optional<std::u16string>& text) override { clipboard_ = text; }
  void paste(core::ControlId box) override;
  void middleClick(core::ControlId) override {}

  std::u16string shown(core::ControlId control) override;
  std::int16_t value(core::ControlId bar) override;
  int printedCount() override;
  int printPosition() override;
  bool ended() override;
  std::vector<core::RunError> takeErrors() override;
  std::vector<std::string> takeUnreleased() override;
  bool failNext(core::ControlId control, core::Op op, core::Status status) override;

  // The program behind the driver, for watching what an action does.
  form1::Form1& form() { return form_; }

 private:
  void raise(core::ControlId control, core::Event event);

  core::RecordingReporter reporter_;
  std::vector<std::string> unreleased_;
  std::optional<std::u16string> clipboard_;
  form1::Form1 form_;
};

DriverFactory headlessDriverFactory();

}  // namespace umrak::scenario
