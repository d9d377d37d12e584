#pragma once

#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "events/form1.h"
#include "runtime/controls.h"
#include "runtime/dispatcher.h"
#include "runtime/form_model.h"
#include "window/announcer.h"
#include "window/control_factory.h"
#include "window/printed_surface.h"
#include "window/window_kind.h"

namespace umrak::ui {

// Form1 on screen: a thin view of the form model, built from the stored form
// description. User actions become model writes (typing) or events through
// the dispatcher (clicks, scroll-bar changes); every model write shows at
// once. Untrapped run-time errors go to `reporter`, or to a message box when
// none is given.
class Form1Window : public QWidget, private core::FormObserver, private core::ErrorReporter {
  Q_OBJECT

 public:
  explicit Form1Window(core::ErrorReporter* reporter = nullptr);
  ~Form1Window() override;

  form1::Form1& form() { return form_; }
  core::FormModel& model() { return form_.model(); }
  const core::FormModel& model() const { return form_.model(); }
  QWidget* control(core::ControlId id) const { return controls_[core::indexOf(id)].widget; }
  // The box that shows a text box's text; none for another kind of control.
  TextBox* textBox(core::ControlId id) const { return controls_[core::indexOf(id)].box; }
  // What the form shows of its prints.
  const PrintedSurface& printedSurface() const { return printed_; }

 signals:
  // After the dispatcher has delivered an event of the user's.
  void eventRaised(core::ControlId control, core::Event event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void setUpForm();
  void createControls();
  void bind(core::ControlId id, const FormControl& control);
  void orderTabs();
  void raiseEvent(core::ControlId control, core::Event event);

  void propertyChanged(core::ControlId id) override;
  void printed(const core::PrintedLine& line) override;
  void programEnded() override;
  void report(const core::RunError& error) override;

  form1::Form1 form_;
  core::ErrorReporter* reporter_;
  PrintedSurface printed_;
  std::array<FormControl, core::kControlCount> controls_{};
  std::optional<core::ControlId> editedBox_;  // while the user's edit reaches the model
  Announcer announcer_;
  // What the click being delivered has written and printed, to be announced.
  std::optional<std::vector<core::ControlId>> clickWrote_;
  std::vector<std::u16string> clickPrinted_;
  bool watchingExposure_ = false;
  WindowKind kind_{};
};

}  // namespace umrak::ui
