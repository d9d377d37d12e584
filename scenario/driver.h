#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/run_error.h"

namespace scenario {

// How a scenario reaches the program: straight through the form model, or
// through the real window with simulated input. Each scenario file gets a
// freshly started program.
class Driver {
 public:
  virtual ~Driver() = default;

  // The user replaces the whole text of a text box; no procedure runs.
  virtual void type(core::ControlId box, const std::u16string& text) = 0;
  virtual void click(core::ControlId button) = 0;
  // A completed change (arrow or trough clicks) to `value`.
  virtual void change(core::ControlId bar, std::int16_t value) = 0;
  // A drag of the thumb to `value` and letting go.
  virtual void scroll(core::ControlId bar, std::int16_t value) = 0;

  // A text box's Text or a label's Caption, as the user sees it.
  virtual std::u16string shown(core::ControlId control) = 0;
  virtual std::int16_t value(core::ControlId bar) = 0;
  virtual int printedCount() = 0;
  virtual bool ended() = 0;
  // The untrapped run-time errors reported since the last call, in order.
  virtual std::vector<core::RunError> takeErrors() = 0;

  // Makes the next `op` on `control` return `status`. False when this driver
  // cannot inject faults.
  virtual bool failNext(core::ControlId control, core::Op op, core::Status status) = 0;

  // Saves the window as it stands; false when there is no window to save.
  virtual bool saveScreenshot(const std::string& /*path*/) { return false; }
};

// Starts a fresh program for one scenario file.
using DriverFactory = std::function<std::unique_ptr<Driver>()>;

}  // namespace scenario
