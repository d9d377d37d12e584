#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <memory>

#include "form/form_description.h"
#include "form/roles.h"
#include "runtime/conversions.h"
#include "tests/gui/fixture.h"
#include "tests/gui/gui_tests.h"
#include "window/scroll_bar.h"
#include "window/text_box.h"

namespace umrak::gui_test {

namespace {

using C = core::ControlId;
using E = core::Event;

void addRows(std::initializer_list<C> controls) {
  QTest::addColumn<int>("index");
  for (const C id : controls) {
    QTest::newRow(std::string(core::controlName(id)).c_str()) << static_cast<int>(id);
  }
}

bool barsAtTheirStoredValues(WindowUnderTest& w) {
  for (const C bar : controlsWhere(isBar)) {
    if (w.model().value(bar) != recordOf(bar).scroll.value) return false;
    if (w.as<QScrollBar>(bar)->value() != recordOf(bar).scroll.value) return false;
  }
  return true;
}

// A mouse move with the left button held, as a drag delivers it.
void dragTo(QWidget* widget, QPoint pos) {
  QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}

// One pixel along the bar toward its maximum.
QPoint stepTowardMaximum(const ui::ScrollBar& bar) {
  const QPoint toAdd = bar.partRect(QStyle::SC_ScrollBarAddLine).center() -
                       bar.partRect(QStyle::SC_ScrollBarSlider).center();
  if (bar.orientation() == Qt::Vertical) return QPoint(0, toAdd.y() > 0 ? 1 : -1);
  return QPoint(toAdd.x() > 0 ? 1 : -1, 0);
}

}  // namespace

class BindingTest : public QObject {
  Q_OBJECT

  RecordingReporter reporter_;
  std::unique_ptr<WindowUnderTest> w_;

 private:
  // One click on `part` of the row's bar moves it one step and raises exactly
  // one Change, which writes the new value into the bar's box.
  void clickRaisesOneChange(QStyle::SubControl part) {
    const C id = fetchControl();
    auto* bar = w_->as<ui::ScrollBar>(id);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->partRect(part).center());
    const std::int16_t expected = recordOf(id).scroll.value + 1;
    QCOMPARE(w_->raised().size(), std::size_t{1});
    QCOMPARE(w_->raised()[0].event, E::Change);
    QCOMPARE(w_->model().value(id), expected);
    QCOMPARE(w_->window().textBox(boxOf(id))->text(), core::strStyleText(expected));
  }

 private slots:
  void init() { w_ = std::make_unique<WindowUnderTest>(&reporter_); }
  void cleanup() {
    w_.reset();
    reporter_.errors.clear();
  }

  void typingWritesTheBoxAndRunsNothing_data() { addControlRows(isTextBox); }
  void typingWritesTheBoxAndRunsNothing() {
    const C box = fetchControl();
    QWidget* widget = w_->widget(box);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget, QStringLiteral("1985"));
    QCOMPARE(w_->model().text(box), u"1985");
    QCOMPARE(w_->window().textBox(box)->text(), u"1985");
    QVERIFY(w_->raised().empty());
    QVERIFY(barsAtTheirStoredValues(*w_));
    QCOMPARE(w_->model().printCount(), 0);
  }

  // The model's copy of an edit does not come back to the box, which would
  // move the cursor to the end and drop the undo history.
  void anEditInsideABoxKeepsItsCursorAndUndo_data() { addRows({C::Text1, C::Text6, C::Text7}); }
  void anEditInsideABoxKeepsItsCursorAndUndo() {
    const C box = fetchControl();
    QWidget* widget = w_->widget(box);
    auto* line = qobject_cast<QLineEdit*>(widget);
    auto* lines = qobject_cast<QPlainTextEdit*>(widget);
    const auto cursor = [&] {
      return line ? line->cursorPosition() : lines->textCursor().position();
    };
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget, QStringLiteral("1985"));
    if (line) {
      line->setCursorPosition(1);
    } else {
      QTextCursor at = lines->textCursor();
      at.setPosition(1);
      lines->setTextCursor(at);
    }
    QTest::keyClick(widget, '0');
    QCOMPARE(w_->model().text(box), u"10985");
    QCOMPARE(cursor(), 2);
    QTest::keyClick(widget, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(w_->model().text(box), u"1985");
  }

  void aBoxTakesTextBeyondTheDefaultLimit() {
    const std::u16string longText(40000, u'7');
    auto* edit = w_->as<QLineEdit>(C::Text8);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    edit->insert(QString::fromStdU16String(longText));
    QCOMPARE(w_->model().text(C::Text8).size(), longText.size());
  }

  void aLineBreakInNote1KeepsItsCarriageReturn() {
    auto* edit = w_->as<QPlainTextEdit>(C::Text7);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("a"));
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, QStringLiteral("b"));
    QCOMPARE(w_->model().text(C::Text7), u"a\r\nb");
  }

  void eachButtonClickRaisesOneClick_data() {
    addControlRows([](const core::ControlRecord& r) {
      return r.kind == core::Kind::CommandButton && r.id != form1::kExitButton;
    });
  }
  void eachButtonClickRaisesOneClick() {
    const C button = fetchControl();
    QWidget* widget = w_->widget(button);
    // Command7's first pixels lie outside the window; click where the user can.
    const QPoint visible(widget->width() / 2 + 8, widget->height() / 2);
    QTest::mouseClick(widget, Qt::LeftButton, {}, visible);
    QCOMPARE(w_->raised().size(), std::size_t{1});
    QCOMPARE(w_->raised()[0].control, button);
    QCOMPARE(w_->raised()[0].event, E::Click);
  }

  void aMonthButtonShowsItsMonthAtOnce() {
    QTest::mouseClick(w_->widget(C::Command11), Qt::LeftButton);
    QCOMPARE(w_->as<QLineEdit>(C::Text2)->text(), QStringLiteral("7"));
    QCOMPARE(w_->raised().size(), std::size_t{1});
  }

  void resultsShowInTheLabelsAtOnce() {
    w_->model().userSetText(C::Text2, u"7");
    w_->model().userSetText(C::Text3, u"20");
    w_->model().userSetText(C::Text4, u"15");
    w_->model().userSetText(C::Text1, u"1985");
    QTest::mouseClick(w_->widget(C::Command7), Qt::LeftButton, {}, QPoint(40, 16));
    QCOMPARE(w_->as<QLabel>(C::Label8)->text(), QStringLiteral("17"));
    QCOMPARE(w_->as<QLabel>(C::Label7)->text(), QStringLiteral("3"));
    QCOMPARE(w_->as<QLabel>(C::Label10)->text(), QStringLiteral("-5"));
  }

  void enterAndEscapeClickNothingButSpaceDoes() {
    QWidget* button = w_->widget(C::Command13);
    button->setFocus();
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
      QTest::keyClick(button, key);
    }
    w_->widget(C::Text1)->setFocus();
    QTest::keyClick(w_->widget(C::Text1), Qt::Key_Return);
    QVERIFY(w_->raised().empty());
    QCOMPARE(w_->model().printCount(), 0);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    QCOMPARE(w_->model().printCount(), 1);
  }

  void anArrowClickRaisesOneChange_data() { addControlRows(isBar); }
  void anArrowClickRaisesOneChange() { clickRaisesOneChange(QStyle::SC_ScrollBarAddLine); }

  void aTroughClickRaisesOneChange_data() { addControlRows(isBar); }
  void aTroughClickRaisesOneChange() { clickRaisesOneChange(QStyle::SC_ScrollBarAddPage); }

  void aKeyOnAFocusedBarRaisesOneChange() {
    QWidget* bar = w_->widget(C::VScroll2);
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Down);
    QCOMPARE(w_->raised().size(), std::size_t{1});
    QCOMPARE(w_->raised()[0].event, E::Change);
    QCOMPARE(w_->window().textBox(C::Text5)->text(), u" 11");
  }

  void draggingScrollsThroughEachValueThenChangesOnce_data() { addControlRows(isBar); }
  void draggingScrollsThroughEachValueThenChangesOnce() {
    const C id = fetchControl();
    auto* bar = w_->as<ui::ScrollBar>(id);
    const std::int16_t start = recordOf(id).scroll.value;
    const QPoint step = stepTowardMaximum(*bar);
    QPoint pos = bar->partRect(QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, pos);
    while (bar->value() < start + 2) {
      pos += step;
      QVERIFY(bar->rect().contains(pos));
      dragTo(bar, pos);
    }
    QTest::mouseRelease(bar, Qt::LeftButton, {}, pos);

    const auto& raised = w_->raised();
    QCOMPARE(raised.size(), std::size_t{3});
    for (std::size_t i = 0; i < 2; ++i) {
      const std::int16_t value = start + 1 + static_cast<std::int16_t>(i);
      QCOMPARE(raised[i].event, E::Scroll);
      QCOMPARE(raised[i].value, value);
      QCOMPARE(raised[i].text, core::strStyleText(value));
    }
    QCOMPARE(raised[2].event, E::Change);
    QCOMPARE(raised[2].text, core::strStyleText(start + 2));
    QCOMPARE(w_->window().textBox(boxOf(id))->text(), core::strStyleText(start + 2));
  }

  void pressingTheThumbWithoutMovingRaisesNothing() {
    auto* bar = w_->as<ui::ScrollBar>(C::VScroll1);
    const QPoint thumb = bar->partRect(QStyle::SC_ScrollBarSlider).center();
    QTest::mouseClick(bar, Qt::LeftButton, {}, thumb);
    QVERIFY(w_->raised().empty());
  }

  void stripsOverTheBarsTakeTheClicksInTheirBand_data() {
    QTest::addColumn<int>("frame");
    QTest::addColumn<int>("bar");
    QTest::newRow("Frame5 on HScroll1") << int(C::Frame5) << int(C::HScroll1);
    QTest::newRow("Frame1 on scroll") << int(C::Frame1) << int(C::scroll);
    QTest::newRow("Frame4 on VScroll2") << int(C::Frame4) << int(C::VScroll2);
    QTest::newRow("Frame2 on VScroll1") << int(C::Frame2) << int(C::VScroll1);
  }
  void stripsOverTheBarsTakeTheClicksInTheirBand() {
    QFETCH(int, frame);
    QFETCH(int, bar);
    QWidget* strip = w_->widget(static_cast<C>(frame));
    QWidget* scrollBar = w_->widget(static_cast<C>(bar));
    const QRect band = strip->geometry() & scrollBar->geometry();
    QVERIFY(!band.isEmpty());
    QCOMPARE(w_->window().childAt(band.center()), strip);
    QTest::mouseClick(w_->window().windowHandle(), Qt::LeftButton, {}, band.center());
    QVERIFY(w_->raised().empty());
    QVERIFY(barsAtTheirStoredValues(*w_));
  }
};

int runBindingTests(int argc, char** argv) {
  BindingTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace umrak::gui_test

#include "binding_test.moc"
