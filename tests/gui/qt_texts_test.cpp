#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "tests/gui/fixture.h"
#include "tests/gui/gui_tests.h"
#include "window/scroll_bar.h"

namespace umrak::gui_test {

namespace {

using C = core::ControlId;

const QStringList kEditMenu = {
    QStringLiteral("&تراجع"),   QStringLiteral("أ&عد"),  QStringLiteral("&قصّ"),
    QStringLiteral("ا&نسخ"),    QStringLiteral("أل&صق"), QStringLiteral("احذف"),
    QStringLiteral("حدّد الكلّ"),
};
const QStringList kVerticalBarMenu = {
    QStringLiteral("مرّر إلى هنا"),   QStringLiteral("الأعلى"),        QStringLiteral("الأسفل"),
    QStringLiteral("الصّفحة العليا"), QStringLiteral("الصّفحة السّفلى"), QStringLiteral("مرّر للأعلى"),
    QStringLiteral("مرّر للأسفل"),
};
// A right-to-left bar's minimum lies at its right end.
const QStringList kRightToLeftBarMenu = {
    QStringLiteral("مرّر إلى هنا"),   QStringLiteral("الحافّة اليمنى"),
    QStringLiteral("الحافّة اليسرى"), QStringLiteral("الصّفحة اليمنى"),
    QStringLiteral("الصّفحة اليسرى"), QStringLiteral("مرّر لليمين"),
    QStringLiteral("مرّر لليسار"),
};

// The part of a control that the user right-clicks.
enum class Part { Control, NotesText, NotesBar };

QWidget* partOf(const WindowUnderTest& w, C id, Part part) {
  auto* notes = w.as<QPlainTextEdit>(id);
  switch (part) {
    case Part::NotesText:
      return notes->viewport();
    case Part::NotesBar:
      return notes->verticalScrollBar();
    case Part::Control:
      break;
  }
  return w.widget(id);
}

// Right-clicks the middle of `target` and hands the context menu to `use`
// while it is open; `use` may leave it open, and it is closed afterwards.
// Some menus run their own event loop until they close, so the menu is
// looked for from a timer.
void withContextMenu(QWidget* target, const std::function<void(QMenu&)>& use) {
  bool seen = false;
  QTimer look;
  look.setInterval(10);
  QObject::connect(&look, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || seen) return;
    seen = true;
    look.stop();
    use(*menu);
    if (menu->isVisible()) menu->close();
  });
  look.start();
  const QPoint at = target->rect().center();
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
  QCoreApplication::sendEvent(target, &rightClick);
  QTRY_VERIFY(seen);
}

QStringList entriesOf(const QMenu& menu) {
  QStringList entries;
  for (const QAction* action : menu.actions()) {
    if (!action->isSeparator()) entries.append(action->text().section(QLatin1Char('\t'), 0, 0));
  }
  return entries;
}

}  // namespace

class QtTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void contextMenusAreArabicAndOpenRightToLeft_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<int>("part");
    QTest::addColumn<QStringList>("entries");
    const auto row = [](const char* name, C id, Part part, const QStringList& entries) {
      QTest::newRow(name) << static_cast<int>(id) << static_cast<int>(part) << entries;
    };
    row("one-line box, left to right", C::Text1, Part::Control, kEditMenu);
    row("one-line box, right to left", C::Text8, Part::Control, kEditMenu);
    row("notes box", C::Text7, Part::NotesText, kEditMenu);
    row("notes box's scroll bar", C::Text7, Part::NotesBar, kVerticalBarMenu);
    row("vertical bar", C::VScroll2, Part::Control, kVerticalBarMenu);
    row("horizontal bar, right to left", C::HScroll1, Part::Control, kRightToLeftBarMenu);
  }
  void contextMenusAreArabicAndOpenRightToLeft() {
    QFETCH(int, control);
    QFETCH(int, part);
    QFETCH(QStringList, entries);
    WindowUnderTest w;
    QWidget* target = partOf(w, static_cast<C>(control), static_cast<Part>(part));
    const Qt::LayoutDirection ownDirection = target->layoutDirection();
    QStringList seen;
    Qt::LayoutDirection menuDirection = Qt::LeftToRight;
    withContextMenu(target, [&](QMenu& menu) {
      seen = entriesOf(menu);
      menuDirection = menu.layoutDirection();
    });
    QCOMPARE(seen, entries);
    QCOMPARE(menuDirection, Qt::RightToLeft);
    QCOMPARE(target->layoutDirection(), ownDirection);
  }

  void eachEndNamedInTheHorizontalBarsMenuIsWhereTheThumbGoes_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("value");
    QTest::newRow("right edge") << QStringLiteral("الحافّة اليمنى") << 1;
    QTest::newRow("left edge") << QStringLiteral("الحافّة اليسرى") << 31;
    QTest::newRow("page right") << QStringLiteral("الصّفحة اليمنى") << 15;
    QTest::newRow("scroll left") << QStringLiteral("مرّر لليسار") << 17;
  }
  void eachEndNamedInTheHorizontalBarsMenuIsWhereTheThumbGoes() {
    QFETCH(QString, item);
    QFETCH(int, value);
    WindowUnderTest w;
    auto* bar = w.as<ui::ScrollBar>(C::HScroll1);
    bar->showValue(16);
    withContextMenu(bar, [&](QMenu& menu) {
      const QList<QAction*> actions = menu.actions();
      const auto chosen = std::ranges::find(actions, item, &QAction::text);
      QVERIFY(chosen != actions.end());
      menu.setActiveAction(*chosen);
      QTest::keyClick(&menu, Qt::Key_Return);
    });
    QCOMPARE(bar->value(), value);
    QCOMPARE(w.model().value(C::HScroll1), value);
  }
};

int runQtTextsTests(int argc, char** argv) {
  QtTextsTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace umrak::gui_test

#include "qt_texts_test.moc"
