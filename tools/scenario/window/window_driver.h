#pragma once

#include <memory>
#include <vector>

#include "scenario/driver.h"
#include "window/form_window.h"
#include "window/text_box.h"

class QApplication;
class QWidget;

namespace umrak::scenario {

// Replays a scenario through the real window with simulated input: key
// clicks into the boxes, mouse clicks on the visible part of the buttons,
// arrow and trough clicks and thumb drags on the bars, pastes and middle
// clicks. An error box that comes up is read, its number kept, and
// dismissed. The clipboard starts empty, as in the form model.
class WindowDriver final : public Driver {
 public:
  explicit WindowDriver(std::shared_ptr<QApplication> app);
  ~WindowDriver() override;

  void type(core::ControlId box, const std::u16string& text) override;
  void click(core::ControlId button) override;
  void change(core::ControlId bar, std::int16_t value, Via via) override;
  void scroll(core::ControlId bar, std::int16_t value) override;
  void setClipboard(const std::optional<std::u16string>& text) override;
  void paste(core::ControlId box) override;
  void middleClick(core::ControlId box) override;

  std::u16string shown(core::ControlId control) override;
  std::int16_t value(core::ControlId bar) override;
  int printedCount() override;
  int printPosition() override;
  bool ended() override;
  std::vector<core::RunError> takeErrors() override;
  std::vector<std::string> takeUnreleased() override;
  bool failNext(core::ControlId control, core::Op op, core::Status status) override;
  bool saveScreenshot(const std::string& path) override;

 private:
  template <typename Action>
  void act(Action&& action);
  void dismissErrorBox();
  ui::TextBox& boxOf(core::ControlId box) const { return *window_->textBox(box); }

  std::shared_ptr<QApplication> app_;
  std::unique_ptr<ui::Form1Window> window_;
  std::vector<core::RunError> errors_;
  std::vector<std::string> unreleased_;
  std::optional<std::u16string> clipboard_;
};

}  // namespace umrak::scenario
