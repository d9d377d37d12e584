#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/controls.h"
#include "runtime/run_error.h"
#include "scenario/script.h"

namespace umrak::scenario {

// An action that this driver cannot perform as the scenario means it, for
// example a text that the box cannot hold however it is entered. The runner
// reports it at the action's line and stops the file there.
struct CannotPerform : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// How a scenario reaches the program: straight through the form model, or
// through the real window with simulated input. Each scenario file gets a
// freshly started program.
class Driver {
 public:
  virtual ~Driver() = default;

  // The user replaces the whole text of a text box; no procedure runs.
  virtual void type(core::ControlId box, const std::u16string& text) = 0;
  virtual void click(core::ControlId button) = 0;
  // A completed change to `value`, one click (one Change) per step.
  virtual void change(core::ControlId bar, std::int16_t value, Via via) = 0;
  // A drag of the thumb to `value` and letting go.
  virtual void scroll(core::ControlId bar, std::int16_t value) = 0;
  // The clipboard's text; nothing at all when empty.
  virtual void setClipboard(const std::optional<std::u16string>& text) = 0;
  virtual void paste(core::ControlId box) = 0;
  virtual void middleClick(core::ControlId box) = 0;

  // A text box's Text or a label's Caption, as the user sees it.
  virtual std::u16string shown(core::ControlId control) = 0;
  virtual std::int16_t value(core::ControlId bar) = 0;
  virtual int printedCount() = 0;
  // The line at which the next print starts.
  virtual int printPosition() = 0;
  virtual bool ended() = 0;
  // The untrapped run-time errors reported since the last call, in order.
  virtual std::vector<core::RunError> takeErrors() = 0;
  // Events after which the form still held references that the procedures
  // should have given back, described, since the last call.
  virtual std::vector<std::string> takeUnreleased() = 0;

  // Makes the next `op` on `control` return `status`. False when this driver
  // cannot inject faults.
  virtual bool failNext(core::ControlId control, core::Op op, core::Status status) = 0;

  // Saves the window as it stands; false when there is no window to save.
  virtual bool saveScreenshot(const std::string& /*path*/) { return false; }
};

// Starts a fresh program for one scenario file.
using DriverFactory = std::function<std::unique_ptr<Driver>()>;

// What the form holds after an event beyond its resting state (the platform's
// one form reference, no control reference), or empty when it is at rest.
std::string unreleasedAfter(int formRefs, int controlRefs, core::ControlId control,
                            core::Event event);

}  // namespace umrak::scenario
