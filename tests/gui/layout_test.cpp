#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QRawFont>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <memory>

#include "form/form_description.h"
#include "runtime/utf.h"
#include "tests/gui/fixture.h"
#include "tests/gui/gui_tests.h"
#include "window/command_button.h"
#include "window/form_style.h"
#include "window/frame_strip.h"
#include "window/text_box.h"

namespace umrak::gui_test {

namespace {

using C = core::ControlId;
using core::Kind;

const QString kFace = QStringLiteral("Noto Sans Arabic UI");
const QColor kLightRed(255, 128, 128);

QColor systemColor(QPalette::ColorRole role) {
  return QApplication::palette().color(role);
}

// The colours a control holds in its palette, and shows where it paints its
// own background; the style paints all of a scroll bar from its button colour.
void expectColours(QWidget* widget, Kind kind, const QColor& back, const QColor& fore) {
  const QPalette& palette = widget->palette();
  const QImage image = widget->grab().toImage();
  switch (kind) {
    case Kind::CommandButton:
      QCOMPARE(palette.color(QPalette::Button), back);
      QCOMPARE(palette.color(QPalette::ButtonText), fore);
      QCOMPARE(image.pixelColor(3, 3), back);
      break;
    case Kind::TextBox:
      QCOMPARE(palette.color(QPalette::Base), back);
      QCOMPARE(palette.color(QPalette::Text), fore);
      QCOMPARE(image.pixelColor(3, image.height() - 4), back);
      break;
    case Kind::Label:
      QCOMPARE(palette.color(QPalette::Window), back);
      QCOMPARE(palette.color(QPalette::WindowText), fore);
      QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), back);
      break;
    case Kind::Frame:
      QCOMPARE(palette.color(QPalette::Window), back);
      QCOMPARE(palette.color(QPalette::WindowText), fore);
      break;
    case Kind::HScrollBar:
    case Kind::VScrollBar:
      QCOMPARE(palette.color(QPalette::Button), back);
      break;
  }
}

// What the face must draw itself rather than leave to a fallback font.
bool needsTheFace(QChar c) {
  return isArabicLetter(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

// Rows of `image` inside `area` that hold a pixel darker than `threshold`.
int darkRows(const QImage& image, const QRect& area, int threshold = 64) {
  int rows = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (qGray(image.pixel(x, y)) < threshold) {
        ++rows;
        break;
      }
    }
  }
  return rows;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowUnderTest> w_;

 private slots:
  void init() { w_ = std::make_unique<WindowUnderTest>(); }
  void cleanup() { w_.reset(); }

  void formIsALightRedToolWindowWithItsCaption() {
    ui::Form1Window& form = w_->window();
    QCOMPARE(form.windowTitle(), QStringLiteral("برنامج قزوبان"));
    QCOMPARE(form.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QCOMPARE(form.size(), QSize(619, 511));
    QCOMPARE(form.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(form.grab().toImage().pixelColor(615, 505), kLightRed);
    QCOMPARE(form.palette().color(QPalette::WindowText), systemColor(QPalette::ButtonText));
    QCOMPARE(form.font().family(), kFace);
    QCOMPARE(form.font().pointSizeF(), 8.25);
  }

  // Worked out by hand at 15 twips to a pixel, rounding each edge: a wrong
  // mapping from twips or from the stored colours shows here.
  void aControlOfEachKindSitsAndShowsAsWorkedOut_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("fore");
    const QColor buttonText = systemColor(QPalette::ButtonText);
    const auto row = [](C id, QRect place, QColor back, QColor fore) {
      QTest::newRow(core::controlName(id).data()) << static_cast<int>(id) << place << back << fore;
    };
    row(C::Text1, {72, 136, 73, 33}, QColor(255, 255, 128), systemColor(QPalette::Text));
    row(C::Text7, {0, 48, 505, 41}, QColor(0, 0, 192), systemColor(QPalette::HighlightedText));
    row(C::Text8, {24, 424, 537, 25}, QColor(192, 64, 0), QColor(224, 224, 224));
    row(C::Label5, {264, 224, 121, 33}, kLightRed, buttonText);
    row(C::Command7, {-8, 136, 81, 33}, QColor(192, 255, 192), buttonText);
    row(C::Command19, {528, 464, 81, 33}, QColor(128, 128, 255), buttonText);
    row(C::Frame5, {208, 96, 89, 17}, kLightRed, buttonText);
    row(C::HScroll1, {0, 96, 497, 25}, systemColor(QPalette::Button), buttonText);
    row(C::VScroll1, {592, 16, 25, 441}, systemColor(QPalette::Button), buttonText);
  }
  void aControlOfEachKindSitsAndShowsAsWorkedOut() {
    const C id = fetchControl();
    QFETCH(QRect, place);
    QFETCH(QColor, back);
    QFETCH(QColor, fore);
    QCOMPARE(w_->widget(id)->geometry(), place);
    expectColours(w_->widget(id), recordOf(id).kind, back, fore);
  }

  void controlsSitAtTheirRecordedPlaces_data() { addControlRows(); }
  void controlsSitAtTheirRecordedPlaces() {
    const core::ControlRecord& r = recordOf(fetchControl());
    QCOMPARE(w_->widget(r.id)->geometry(), ui::pixelRect(r));
    QCOMPARE(w_->widget(r.id)->parentWidget(), &w_->window());
  }

  // Command7 repaints the strip of Text1 that it overlaps; that strip is
  // drawn as a whole repaint of the box draws it.
  void aBoxRepaintedAlongItsEdgeLooksAsWhenRepaintedWhole() {
    QWidget* box = w_->widget(C::Text1);
    box->setFocus();
    const QImage whole = box->grab().toImage();
    QImage strip(whole.size(), whole.format());
    strip.fill(Qt::black);
    box->render(&strip, QPoint(), QRegion(0, 0, 2, box->height()));
    for (int y = 0; y < box->height(); ++y) {
      for (int x = 0; x < 2; ++x) QCOMPARE(strip.pixel(x, y), whole.pixel(x, y));
    }
  }

  // The pixels looked at show the control's own colour, clear of the frames
  // and bevels around it, which another Qt release's style may draw
  // otherwise. The scroll bars, which the style draws whole (their arrows and
  // outlines differ between Qt 6.4 and 6.8), are checked by palette only.
  void controlsShowTheirRecordedColours_data() { addControlRows(); }
  void controlsShowTheirRecordedColours() {
    const core::ControlRecord& r = recordOf(fetchControl());
    const QPalette system = QApplication::palette();
    expectColours(w_->widget(r.id), r.kind, ui::colorOf(r.back, system),
                  ui::colorOf(r.fore, system));
  }

  void controlsUseTheArabicFaceAtTheirRecordedSizes_data() { addControlRows(); }
  void controlsUseTheArabicFaceAtTheirRecordedSizes() {
    const core::ControlRecord& r = recordOf(fetchControl());
    const QFont font = w_->widget(r.id)->font();
    const core::FontFace face = core::fontFace(r.font);
    QCOMPARE(font.family(), kFace);
    QCOMPARE(font.pointSizeF(), face.points);
    QCOMPARE(font.bold(), face.bold);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    QCOMPARE(QFontInfo(font).family(), kFace);

    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Arabic);
    QVERIFY(raw.isValid());
    QCOMPARE(raw.familyName(), kFace);
    for (const QChar c : recordText(r)) {
      if (needsTheFace(c)) QVERIFY2(raw.supportsCharacter(c), qPrintable(QString(c)));
    }
  }

  void exactlyTheMarkedControlsReadRightToLeft_data() { addControlRows(); }
  void exactlyTheMarkedControlsReadRightToLeft() {
    const core::ControlRecord& r = recordOf(fetchControl());
    QWidget* widget = w_->widget(r.id);
    QCOMPARE(widget->layoutDirection(), r.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QVERIFY(widget->testAttribute(Qt::WA_SetLayoutDirection));
  }

  void twentyOneControlsAreMarkedRightToLeft() {
    int marked = 0;
    for (const core::ControlRecord& r : form1::form1Description().controls) {
      if (w_->widget(r.id)->layoutDirection() == Qt::RightToLeft) ++marked;
    }
    QCOMPARE(marked, 21);
  }

  void controlsStartWithTheirStoredTextsAndValues_data() { addControlRows(); }
  void controlsStartWithTheirStoredTextsAndValues() {
    const core::ControlRecord& r = recordOf(fetchControl());
    QWidget* widget = w_->widget(r.id);
    switch (r.kind) {
      case Kind::CommandButton:
        QCOMPARE(qobject_cast<ui::CommandButton*>(widget)->text(), recordText(r));
        break;
      case Kind::TextBox:
        QCOMPARE(w_->window().textBox(r.id)->text(), core::utf8ToUtf16(r.text));
        break;
      case Kind::Label:
        QCOMPARE(qobject_cast<QLabel*>(widget)->text(), recordText(r));
        break;
      case Kind::Frame:
        QCOMPARE(qobject_cast<ui::FrameStrip*>(widget)->title(), recordText(r));
        break;
      case Kind::HScrollBar:
      case Kind::VScrollBar: {
        auto* bar = qobject_cast<QScrollBar*>(widget);
        QCOMPARE(bar->orientation(), r.kind == Kind::HScrollBar ? Qt::Horizontal : Qt::Vertical);
        QCOMPARE(bar->minimum(), r.scroll.min);
        QCOMPARE(bar->maximum(), r.scroll.max);
        QCOMPARE(bar->value(), r.scroll.value);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(bar->pageStep(), 1);
        QVERIFY(!bar->invertedAppearance());
        break;
      }
    }
  }

  void dateBoxesAndBarsDisagreeAtStart() {
    QCOMPARE(w_->window().textBox(C::Text1)->text(), u"198");
    QCOMPARE(w_->as<QScrollBar>(C::VScroll1)->value(), 1980);
    QCOMPARE(w_->window().textBox(C::Text3)->text(), u"");
    QCOMPARE(w_->window().textBox(C::Text5)->text(), u"10");
    QCOMPARE(w_->window().textBox(C::Text6)->text(), u"2002");
    QVERIFY(w_->window().textBox(C::Text7)->text().ends_with(u"----------\r\n"));
  }

  void earlierControlsLieOnTopAndLabelsAtTheBottom() {
    std::vector<C> bottomUp;
    for (QObject* child : w_->window().children()) {
      if (auto id = core::controlByName(child->objectName().toStdString())) bottomUp.push_back(*id);
    }
    std::vector<C> stored;
    for (const core::ControlRecord& r : form1::form1Description().controls) stored.push_back(r.id);
    std::ranges::reverse(bottomUp);
    QVERIFY(bottomUp == stored);
  }

  void focusStartsInText1() { QCOMPARE(QApplication::focusWidget(), w_->widget(C::Text1)); }

  void tabVisitsTheCycleForwardAndBackward() {
    const std::vector<C> cycle = {
        C::Text1,     C::Text2,     C::Text3,     C::Command1,  C::Command2,  C::Command3,
        C::Command4,  C::Command5,  C::Command6,  C::Command7,  C::Command8,  C::Command9,
        C::Command10, C::Command11, C::Command12, C::Text4,     C::Text5,     C::Text6,
        C::Command13, C::Text7,     C::Command14, C::Command15, C::Command16, C::Text8,
        C::Command17, C::Command18, C::scroll,    C::VScroll1,  C::VScroll2,  C::HScroll1,
        C::Command19};
    for (std::size_t i = 1; i <= cycle.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), w_->widget(cycle[i % cycle.size()]));
    }
    for (std::size_t i = cycle.size(); i > 0; --i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(QApplication::focusWidget(), w_->widget(cycle[i - 1]));
    }
    QVERIFY(w_->raised().empty());
  }

  void resizingMovesNothing() {
    std::vector<QRect> before;
    for (const core::ControlRecord& r : form1::form1Description().controls) {
      before.push_back(w_->widget(r.id)->geometry());
    }
    for (const QSize size : {QSize(900, 700), QSize(200, 150)}) {
      w_->window().resize(size);
      QTest::qWait(20);
      std::size_t i = 0;
      for (const core::ControlRecord& r : form1::form1Description().controls) {
        QCOMPARE(w_->widget(r.id)->geometry(), before[i++]);
      }
    }
  }

  void longButtonCaptionsWrapWithinTheFace() {
    for (const C id : {C::Command14, C::Command15, C::Command16, C::Command19}) {
      auto* button = w_->as<ui::CommandButton>(id);
      const QRect face = button->captionRect();
      QVERIFY(QFontMetrics(button->font()).horizontalAdvance(button->text()) > face.width());
      const QImage image = button->grab().toImage();
      QVERIFY2(darkRows(image, face) > QFontMetrics(button->font()).height(),
               core::controlName(id).data());
    }
  }

  // Arabic faces are taller than the layout's own: the long captions of the
  // green buttons must still show every line whole.
  void everyButtonCaptionLineLiesWholeWithinTheFace() {
    for (const core::ControlRecord& r : form1::form1Description().controls) {
      if (r.kind != core::Kind::CommandButton) continue;
      auto* button = w_->as<ui::CommandButton>(r.id);
      const QRectF face = button->captionRect();
      const std::vector<QRectF> lines = button->captionLines();
      QVERIFY2(!lines.empty(), core::controlName(r.id).data());
      for (const QRectF& line : lines) {
        QVERIFY2(line.top() >= face.top() - 0.01 && line.bottom() <= face.bottom() + 1.01,
                 core::controlName(r.id).data());
        QVERIFY2(line.width() <= face.width() + 0.01, core::controlName(r.id).data());
      }
    }
  }

  void aLongCaptionWrapsAndIsCutOffAtTheLabelsBottom() {
    QLabel* label = w_->as<QLabel>(C::Label8);
    const QRect place = label->geometry();
    w_->model().control(C::Label8).setCaption(u"١٢٣ ٤٥٦ ٧٨٩ ١٢٣ ٤٥٦ ٧٨٩ ١٢٣ ٤٥٦ ٧٨٩");
    QCOMPARE(label->geometry(), place);
    QCOMPARE(label->text(), QStringLiteral("١٢٣ ٤٥٦ ٧٨٩ ١٢٣ ٤٥٦ ٧٨٩ ١٢٣ ٤٥٦ ٧٨٩"));
    const QImage image = label->grab().toImage();
    QVERIFY(darkRows(image, QRect(0, image.height() - 6, image.width(), 6)) > 0);
    const QImage form = w_->window().grab().toImage();
    const QRect below(place.left(), place.bottom() + 1, place.width(), 20);
    for (int y = below.top(); y <= below.bottom(); ++y) {
      for (int x = below.left(); x <= below.right(); ++x)
        QCOMPARE(form.pixelColor(x, y), kLightRed);
    }
  }
};

int runLayoutTests(int argc, char** argv) {
  LayoutTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace umrak::gui_test

#include "layout_test.moc"
