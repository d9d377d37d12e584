#include <QAbstractButton>
#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include "form/form_description.h"
#include "tests/gui/fixture.h"
#include "tests/gui/gui_tests.h"
#include "window/accessible_names.h"

namespace umrak::gui_test {

namespace {

using C = core::ControlId;
using core::Kind;

// Each starts with a minus: without a strong letter, then before a run of
// left-to-right and of right-to-left letters. Read left to right, the minus
// is drawn at the left end of the text; read right to left, at the right end.
const QString kTexts[] = {QStringLiteral("-5"), QStringLiteral("-ab"), QStringLiteral("-مر")};

enum class Side { Left, Right, Unknown };

// A pixel at least a quarter of the way from the ground to the ink colour:
// the thin strokes of a small font are smoothed over two rows of pixels.
bool isInk(QRgb pixel, const QColor& ink, const QColor& ground) {
  const int dr = ink.red() - ground.red(), dg = ink.green() - ground.green(),
            db = ink.blue() - ground.blue();
  const int along = (qRed(pixel) - ground.red()) * dr + (qGreen(pixel) - ground.green()) * dg +
                    (qBlue(pixel) - ground.blue()) * db;
  return 4 * along > dr * dr + dg * dg + db * db;
}

struct Rows {
  int top = INT_MAX, bottom = -1;
};

Rows inkRowsOfColumn(const QImage& image, int x, const QColor& ink, const QColor& ground) {
  Rows rows;
  for (int y = 0; y < image.height(); ++y) {
    if (!isInk(image.pixel(x, y), ink, ground)) continue;
    rows.top = std::min(rows.top, y);
    rows.bottom = y;
  }
  return rows;
}

// The rows a minus drawn alone takes up.
Rows inkRows(const QImage& image, const QColor& ink, const QColor& ground) {
  Rows all;
  for (int x = 0; x < image.width(); ++x) {
    const Rows rows = inkRowsOfColumn(image, x, ink, ground);
    all.top = std::min(all.top, rows.top);
    all.bottom = std::max(all.bottom, rows.bottom);
  }
  return all;
}

// Columns whose ink lies wholly within the minus's rows are the minus; every
// other glyph reaches above or below them. The side is where those columns
// lie with respect to the rest of the ink.
Side minusSide(const QImage& image, Rows minus, const QColor& ink, const QColor& ground) {
  std::int64_t minusSum = 0, minusCount = 0, otherSum = 0, otherCount = 0;
  for (int x = 0; x < image.width(); ++x) {
    const Rows rows = inkRowsOfColumn(image, x, ink, ground);
    if (rows.bottom < 0) continue;
    if (rows.top >= minus.top && rows.bottom <= minus.bottom) {
      minusSum += x;
      ++minusCount;
    } else {
      otherSum += x;
      ++otherCount;
    }
  }
  if (minusCount == 0 || otherCount == 0) return Side::Unknown;
  return minusSum * otherCount < otherSum * minusCount ? Side::Left : Side::Right;
}

void typeInto(QWidget* box, const QString& text) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  for (const QChar c : text) {
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

}  // namespace

class ReadingOrderTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowUnderTest> w_;

  struct Drawing {
    QImage image;
    QColor ink, ground;
  };

  // Puts `text` where the control shows it, the way it gets there in use,
  // and returns what the control then draws, without its border or cursor.
  // A month button is heard by the month it sets, whatever it shows.
  bool namedForItsJob(C id) const {
    return w_->model().kind(id) == Kind::CommandButton && !ui::spokenName(id, {}).isEmpty();
  }

  Drawing drawn(C id, const QString& text) {
    QWidget* widget = w_->widget(id);
    QWidget* surface = widget;
    QPalette::ColorRole inkRole = QPalette::WindowText;
    QPalette::ColorRole groundRole = QPalette::Window;
    int inset = 0;
    switch (w_->model().kind(id)) {
      case Kind::Label:
        w_->model().control(id).setCaption(text.toStdU16String());
        break;
      case Kind::TextBox:
        typeInto(widget, text);
        if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) surface = lines->viewport();
        inkRole = QPalette::Text;
        groundRole = QPalette::Base;
        inset = 3;
        break;
      case Kind::CommandButton:
        static_cast<QAbstractButton*>(widget)->setText(text);
        inkRole = QPalette::ButtonText;
        groundRole = QPalette::Button;
        inset = 3;
        break;
      case Kind::Frame:
        static_cast<QGroupBox*>(widget)->setTitle(text);
        break;
      case Kind::HScrollBar:
      case Kind::VScrollBar:
        break;
    }
    w_->widget(C::HScroll1)->setFocus();
    const QImage image = surface->grab().toImage();
    return {image.copy(image.rect().adjusted(inset, inset, -inset, -inset)),
            widget->palette().color(inkRole), widget->palette().color(groundRole)};
  }

 private slots:
  void init() { w_ = std::make_unique<WindowUnderTest>(); }
  void cleanup() { w_.reset(); }

  void everyControlDrawsInTheReadingOrderOfItsMark_data() { addControlRows(); }
  void everyControlDrawsInTheReadingOrderOfItsMark() {
    const C id = fetchControl();
    const bool marked = recordOf(id).rightToLeft;
    QWidget* widget = w_->widget(id);
    if (core::isScrollBar(w_->model().kind(id))) {
      QCOMPARE(widget->layoutDirection(), marked ? Qt::RightToLeft : Qt::LeftToRight);
      return;
    }
    const Drawing alone = drawn(id, QStringLiteral("-"));
    const Rows minus = inkRows(alone.image, alone.ink, alone.ground);
    QVERIFY(minus.bottom >= 0);
    for (const QString& text : kTexts) {
      const Drawing d = drawn(id, text);
      QVERIFY2(minusSide(d.image, minus, d.ink, d.ground) == (marked ? Side::Right : Side::Left),
               qPrintable(text));
      // Only the drawing follows the mark: the control holds the text as
      // typed or written, and a screen reader hears exactly that (a result
      // after its role; a month button by the month it sets).
      const bool box = w_->model().kind(id) == Kind::TextBox;
      const QAccessible::Text field = box ? QAccessible::Value : QAccessible::Name;
      const QString heard = QAccessible::queryAccessibleInterface(widget)->text(field);
      if (box) {
        QCOMPARE(heard, text);
        QCOMPARE(w_->model().text(id), text.toStdU16String());
      } else if (!namedForItsJob(id)) {
        QVERIFY2(heard == text || heard.endsWith(QStringLiteral(": ") + text), qPrintable(heard));
      }
    }
  }

  // In a right-to-left box the left arrow moves on through the text, in a
  // left-to-right box the right arrow does, whatever the text's letters.
  void cursorKeysFollowTheBoxsReadingOrder_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    for (const C box : {C::Text1, C::Text8}) {
      for (const QString& text : kTexts) {
        const std::string name = std::string(core::controlName(box)) + " " + text.toStdString();
        QTest::newRow(name.c_str()) << static_cast<int>(box) << text;
      }
    }
  }
  void cursorKeysFollowTheBoxsReadingOrder() {
    QFETCH(int, index);
    QFETCH(QString, text);
    const C id = static_cast<C>(index);
    auto* box = qobject_cast<QLineEdit*>(w_->widget(id));
    typeInto(box, text);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, recordOf(id).rightToLeft ? Qt::Key_Left : Qt::Key_Right);
    QCOMPARE(box->cursorPosition(), 1);
  }
};

int runReadingOrderTests(int argc, char** argv) {
  ReadingOrderTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace umrak::gui_test

#include "reading_order_test.moc"
