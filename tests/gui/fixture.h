#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

#include "runtime/control_record.h"
#include "runtime/controls.h"
#include "window/form_window.h"

namespace umrak::gui_test {

const core::ControlRecord& recordOf(core::ControlId id);
// A record's caption or text as Qt holds it.
QString recordText(const core::ControlRecord& record);

// Which controls a test takes from the form description; none: all of them.
using Keep = bool (*)(const core::ControlRecord& record);
bool isTextBox(const core::ControlRecord& record);
bool isBar(const core::ControlRecord& record);

// The controls of the form that `keep` keeps, in stored order.
std::vector<core::ControlId> controlsWhere(Keep keep = nullptr);

// Data rows, one per control that `keep` keeps, in stored order and named
// after it; the row's control in the test function.
void addControlRows(Keep keep = nullptr);
core::ControlId fetchControl();

bool isArabicLetter(QChar c);

// Takes the untrapped run-time errors in place of the message box.
using core::RecordingReporter;

// A freshly started window, shown and exposed, that logs every event the
// user raises.
class WindowUnderTest {
 public:
  explicit WindowUnderTest(core::ErrorReporter* reporter = nullptr);

  ui::Form1Window& window() { return *window_; }
  core::FormModel& model() { return window_->model(); }
  QWidget* widget(core::ControlId id) const { return window_->control(id); }
  template <typename W>
  W* as(core::ControlId id) const {
    return qobject_cast<W*>(widget(id));
  }

  struct Raised {
    core::ControlId control;
    core::Event event;
    std::int16_t value;   // the bar's Value as the procedure saw it
    std::u16string text;  // the bound box's text after the procedure
  };
  const std::vector<Raised>& raised() const { return raised_; }
  void clearRaised() { raised_.clear(); }

  // The form's own surface, without its controls: what is printed on it.
  QImage surface();

 private:
  std::unique_ptr<ui::Form1Window> window_;
  std::vector<Raised> raised_;
};

// True where `region` of `image` shows anything but the form's own colour.
bool inked(const QImage& image, const QRegion& region);

// Prints the credit line twice; the first line split into its left and right
// halves, and the second line, on the form's surface.
struct TwoPrintedLines {
  QRect firstLeft;
  QRect firstRight;
  QRect second;
};
TwoPrintedLines printTwoLines(WindowUnderTest& w);

// Qt warns on the offscreen platform about what it cannot do there.
void ignoreOffscreenWarning(const char* message);

// The box a scroll bar fills; any other control fails the test run.
core::ControlId boxOf(core::ControlId bar);

}  // namespace umrak::gui_test
