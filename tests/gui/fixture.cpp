#include "tests/gui/fixture.h"

#include <QTest>

#include "form/form_description.h"
#include "procedures/credit.h"
#include "procedures/scroll_entry.h"

namespace umrak::gui_test {

using C = core::ControlId;

const core::ControlRecord& recordOf(C id) {
  for (const core::ControlRecord& record : form1::form1Description().controls) {
    if (record.id == id) return record;
  }
  qFatal("no record for a control");
}

QString recordText(const core::ControlRecord& record) {
  return QString::fromUtf8(record.text ? record.text : "");
}

bool isTextBox(const core::ControlRecord& record) {
  return record.kind == core::Kind::TextBox;
}

bool isBar(const core::ControlRecord& record) {
  return core::isScrollBar(record.kind);
}

std::vector<C> controlsWhere(Keep keep) {
  std::vector<C> ids;
  for (const core::ControlRecord& r : form1::form1Description().controls) {
    if (!keep || keep(r)) ids.push_back(r.id);
  }
  return ids;
}

void addControlRows(Keep keep) {
  QTest::addColumn<int>("index");
  for (const C id : controlsWhere(keep)) {
    QTest::newRow(std::string(core::controlName(id)).c_str()) << static_cast<int>(id);
  }
}

C fetchControl() {
  QFETCH(int, index);
  return static_cast<C>(index);
}

bool isArabicLetter(QChar c) {
  return c.unicode() >= 0x0600 && c.unicode() <= 0x06FF;
}

C boxOf(C bar) {
  const std::optional<C> box = entry::boxFilledBy(bar);
  if (!box) qFatal("%s is no scroll bar: it fills no box", core::controlName(bar).data());
  return *box;
}

bool inked(const QImage& image, const QRegion& region) {
  const QColor form(255, 128, 128);
  for (const QRect& area : region) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (image.pixelColor(x, y) != form) return true;
      }
    }
  }
  return false;
}

TwoPrintedLines printTwoLines(WindowUnderTest& w) {
  QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
  QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
  const std::u16string credit(form1::kCreditLine);
  const QRect first = w.window().printedSurface().lineRect({0, credit});
  TwoPrintedLines lines{first, first, w.window().printedSurface().lineRect({1, credit})};
  lines.firstLeft.setRight(first.center().x());
  lines.firstRight.setLeft(first.center().x() + 1);
  return lines;
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

}  // namespace umrak::gui_test
