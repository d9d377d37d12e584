#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

#include "form/form_description.h"
#include "procedures/credit.h"
#include "window/window_kind.h"
#include "tests/gui/fixture.h"
#include "tests/gui/gui_tests.h"
#include "tests/gui/modal_watchdog.h"

namespace umrak::gui_test {

namespace {

using C = core::ControlId;

// Rows of the surface's top-right corner that hold printed text, one flag per
// line of the form's font.
std::vector<bool> printedRows(const QImage& surface, int lineHeight, int rows) {
  std::vector<bool> flags;
  for (int row = 0; row < rows; ++row) {
    flags.push_back(
        inked(surface, QRect(surface.width() - 150, row * lineHeight, 150, lineHeight)));
  }
  return flags;
}

// Runs the program's event loop with `action` as its first event; true when
// the loop then ends by itself.
bool programEndsAfter(const std::function<void()>& action) {
  QTimer giveUp;
  giveUp.setSingleShot(true);
  QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(99); });
  giveUp.start(2000);
  QTimer::singleShot(0, action);
  return QApplication::exec() == 0;
}

void typeInto(QWidget* box, const QString& text) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, text);
}

}  // namespace

class LifecycleTest : public QObject {
  Q_OBJECT

 public:
  explicit LifecycleTest(ModalWatchdog& watchdog) : watchdog_(watchdog) {}

 private:
  ModalWatchdog& watchdog_;

 private slots:
  void theProgramIsUmrakVersionOnePointZeroZero() {
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("umrak"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.umrak.Umrak"));
  }

  // A tool window without a taskbar button, except where the window manager
  // would then keep it out of the user's reach.
  void theWindowKindFollowsTheWindowManager_data() {
    QTest::addColumn<QString>("manager");
    QTest::addColumn<bool>("utility");
    QTest::addColumn<bool>("skipTaskbar");
    QTest::newRow("GNOME Shell") << "GNOME Shell" << false << false;
    QTest::newRow("Mutter") << "Mutter" << false << false;
    QTest::newRow("KWin") << "KWin" << false << true;
    QTest::newRow("Openbox") << "Openbox" << true << true;
    QTest::newRow("Metacity") << "Metacity" << true << true;
    QTest::newRow("none") << "" << true << true;
  }
  void theWindowKindFollowsTheWindowManager() {
    QFETCH(QString, manager);
    QFETCH(bool, utility);
    QFETCH(bool, skipTaskbar);
    const ui::WindowKind kind =
        ui::windowKindFor(form1::form1Description().form, manager.toStdString());
    QCOMPARE(kind, (ui::WindowKind{.utility = utility, .skipTaskbar = skipTaskbar}));
  }

  void nothingRunsBeforeTheFirstEvent() {
    WindowUnderTest w;
    QTest::qWait(50);
    QVERIFY(w.raised().empty());
    QCOMPARE(w.model().formRefCount(), 1);
    QCOMPARE(w.model().printCount(), 0);
    QVERIFY(!w.model().ended());
    for (const C label :
         {C::Label7, C::Label8, C::Label10, C::Label12, C::Label13, C::Label18, C::Label19}) {
      QVERIFY(w.model().text(label).empty());
    }
  }

  void anErrorIsShownInABoxAndTheProgramGoesOn() {
    WindowUnderTest w;
    typeInto(w.widget(C::Text1), QStringLiteral("abc"));
    QString title;
    QString text;
    QString button;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    watchdog_.expect([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      title = box->windowTitle();
      text = box->text();
      direction = box->layoutDirection();
      button = box->button(QMessageBox::Ok)->text();
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    ignoreOffscreenWarning("This plugin does not support propagateSizeHints()");
    QTest::mouseClick(w.widget(C::Command7), Qt::LeftButton, {}, QPoint(40, 16));
    QVERIFY(!watchdog_.expecting());
    QCOMPARE(title, QStringLiteral("برنامج قزوبان"));
    QVERIFY2(text.contains(QStringLiteral("13")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("خطأ")));
    QCOMPARE(direction, Qt::RightToLeft);
    QCOMPARE(button, QStringLiteral("حسنًا"));

    QVERIFY(w.window().isVisible());
    QVERIFY(!w.model().ended());
    QCOMPARE(w.as<QLineEdit>(C::Text1)->text(), QStringLiteral("abc"));
    QTest::mouseClick(w.widget(C::Command2), Qt::LeftButton);
    QCOMPARE(w.as<QLineEdit>(C::Text2)->text(), QStringLiteral("1"));
  }

  void aGivenReporterTakesTheErrorsInsteadOfTheBox() {
    RecordingReporter reporter;
    WindowUnderTest w(&reporter);
    typeInto(w.widget(C::Text6), QStringLiteral("x"));
    QTest::mouseClick(w.widget(C::Command7), Qt::LeftButton, {}, QPoint(40, 16));
    QCOMPARE(reporter.errors.size(), std::size_t{1});
    QCOMPARE(reporter.errors[0].number, 13);
  }

  void theExitButtonEndsAtOnce() {
    WindowUnderTest w;
    w.model().control(C::Label8).setCaption(u"17");
    QVERIFY(programEndsAfter([&] { QTest::mouseClick(w.widget(C::Command12), Qt::LeftButton); }));
    QVERIFY(w.model().ended());
    QVERIFY(!w.window().isVisible());
    QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
    QCOMPARE(w.model().printCount(), 0);
  }

  void closingTheWindowEndsTheProgramWithoutAProcedure() {
    WindowUnderTest w;
    QVERIFY(programEndsAfter([&] { w.window().close(); }));
    QVERIFY(!w.window().isVisible());
    QVERIFY(w.raised().empty());
    QVERIFY(!w.model().ended());
  }

  void theCreditLinePrintsOneLineLowerEachClick() {
    WindowUnderTest w;
    const int line = QFontMetrics(w.window().font()).lineSpacing();
    QCOMPARE(printedRows(w.surface(), line, 3), (std::vector<bool>{false, false, false}));
    QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
    QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
    QCOMPARE(w.model().printCount(), 2);
    QCOMPARE(w.model().lastPrinted(), (core::PrintedLine{1, std::u16string(form1::kCreditLine)}));
    QCOMPARE(printedRows(w.surface(), line, 3), (std::vector<bool>{true, true, false}));
  }

  void theCreditLineStartsAtTheTopRightInTheFormsColour() {
    WindowUnderTest w;
    QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
    const QImage surface = w.surface();
    const QColor ink = w.window().palette().color(QPalette::WindowText);
    QRect inked;
    bool inkColour = false;
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < surface.width(); ++x) {
        if (qGray(surface.pixel(x, y)) < 120) inked |= QRect(x, y, 1, 1);
        inkColour = inkColour || surface.pixelColor(x, y) == ink;
      }
    }
    QVERIFY(inkColour);
    QVERIFY2(inked.right() >= surface.width() - 4, qPrintable(QString::number(inked.right())));
    QVERIFY(inked.top() < 6);
    QVERIFY(inked.left() > surface.width() / 2);
  }

  void resizingErasesThePrintedLinesButKeepsThePosition() {
    WindowUnderTest w;
    const int line = QFontMetrics(w.window().font()).lineSpacing();
    QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
    QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
    w.window().resize(w.window().width() + 40, w.window().height());
    QTest::qWait(20);
    QCOMPARE(printedRows(w.surface(), line, 3), (std::vector<bool>{false, false, false}));

    QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
    QCOMPARE(w.model().printPosition(), 3);
    QCOMPARE(printedRows(w.surface(), line, 3), (std::vector<bool>{false, false, true}));
  }

  // The window is uncovered over the left half of the first line: that half
  // is gone, its right half and the second line stay.
  void uncoveringPartOfALineErasesOnlyThatPart() {
    WindowUnderTest w;
    const TwoPrintedLines lines = printTwoLines(w);
    QTest::qWait(20);
    QExposeEvent uncovered{QRegion(lines.firstLeft)};
    QCoreApplication::sendEvent(w.window().windowHandle(), &uncovered);
    const QImage surface = w.surface();
    QVERIFY(!inked(surface, lines.firstLeft));
    QVERIFY(inked(surface, lines.firstRight));
    QVERIFY(inked(surface, lines.second));
    QCOMPARE(w.model().printPosition(), 2);
  }

  void grabbingTheWindowKeepsThePrintedLines() {
    WindowUnderTest w;
    const int line = QFontMetrics(w.window().font()).lineSpacing();
    QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
    w.window().grab();
    QTest::qWait(20);
    QCOMPARE(printedRows(w.surface(), line, 2), (std::vector<bool>{true, false}));
  }

  // Lines below the window are not seen; the first ones stay as they were.
  void linesBelowTheWindowAreNotSeen() {
    WindowUnderTest w;
    const int line = QFontMetrics(w.window().font()).lineSpacing();
    const int rows = w.window().height() / line + 1;
    for (int i = 0; i < rows + 5; ++i) QTest::mouseClick(w.widget(C::Command13), Qt::LeftButton);
    QCOMPARE(w.model().printPosition(), rows + 5);
    QCOMPARE(printedRows(w.surface(), line, 2), (std::vector<bool>{true, true}));
  }
};

int runLifecycleTests(int argc, char** argv, ModalWatchdog& watchdog) {
  LifecycleTest test(watchdog);
  return QTest::qExec(&test, argc, argv);
}

}  // namespace umrak::gui_test

#include "lifecycle_test.moc"
