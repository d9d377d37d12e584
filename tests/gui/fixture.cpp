#include "tests/gui/fixture.h"

#include <QTest>

#include "ui/form/form_description.h"

namespace gui_test {

using C = core::ControlId;

const core::ControlRecord& recordOf(C id) {
  for (const core::ControlRecord& record : form::form1Description().controls) {
    if (record.id == id) return record;
  }
  qFatal("no record for a control");
}

C boxOf(C bar) {
  switch (bar) {
    case C::VScroll1:
      return C::Text1;
    case C::scroll:
      return C::Text3;
    case C::HScroll1:
      return C::Text4;
    default:
      return C::Text5;
  }
}

void ignoreOffscreenWarning(const char* message) {
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
    QTest::ignoreMessage(QtWarningMsg, message);
  }
}

WindowUnderTest::WindowUnderTest(core::ErrorReporter* reporter)
    : window_(std::make_unique<ui::Form1Window>(reporter)) {
  QObject::connect(
      window_.get(), &ui::Form1Window::eventRaised, window_.get(),
      [this](C control, core::Event event) {
        const bool bar = core::isScrollBar(model().kind(control));
        raised_.push_back({control, event, bar ? model().value(control) : std::int16_t{0},
                           bar ? model().text(boxOf(control)) : u""});
      });
  ignoreOffscreenWarning("This plugin does not support raise()");
  window_->show();
  window_->activateWindow();
  if (!QTest::qWaitForWindowActive(window_.get())) qWarning("the window did not become active");
}

QImage WindowUnderTest::surface() {
  QImage image(window_->size(), QImage::Format_RGB32);
  window_->render(&image, {}, {}, QWidget::DrawWindowBackground);
  return image;
}

}  // namespace gui_test
