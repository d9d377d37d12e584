// Text entering the boxes from the X11 clipboard and primary selection. The
// offscreen platform keeps a clipboard of its own; only a real X server gives
// a paste from an empty clipboard the way a fresh login does.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <memory>

#include "tests/gui/fixture.h"
#include "tests/x11/x11_tests.h"
#include "window/form_style.h"

namespace umrak::gui_test {

namespace {

using C = core::ControlId;

const std::vector<C> kBoxes = controlsWhere(isTextBox);

// Where keys, clicks and drops land: a multi-line box takes them on its viewport.
QWidget* inputArea(QWidget* box) {
  if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) return lines->viewport();
  return box;
}

void pressKeys(QWidget* box, QKeySequence keys) {
  box->setFocus();
  QTest::keySequence(box, keys);
}

void middleClick(QWidget* box) {
  QTest::mouseClick(inputArea(box), Qt::MiddleButton, {}, inputArea(box)->rect().center());
}

QMenu* contextMenuOf(QWidget* box) {
  if (auto* line = qobject_cast<QLineEdit*>(box)) return line->createStandardContextMenu();
  return static_cast<QPlainTextEdit*>(box)->createStandardContextMenu();
}

void pasteFromContextMenu(QWidget* box) {
  std::unique_ptr<QMenu> menu(contextMenuOf(box));
  // Entries are known by their shortcut, which reads the same in every language.
  const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
  for (QAction* action : menu->actions()) {
    if (action->text().section(QLatin1Char('\t'), 1) != shortcut) continue;
    action->trigger();  // a disabled item does nothing, as a click on it would
    return;
  }
  QFAIL("the context menu has no paste item");
}

void drop(QWidget* box, QMimeData* data) {
  QWidget* area = inputArea(box);
  const QPoint at = area->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(area, &enter);
  QDragMoveEvent move(at, Qt::CopyAction, data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(area, &move);
  QDropEvent dropped(at, Qt::CopyAction, data, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(area, &dropped);
}

void emptyClipboard() {
  QGuiApplication::clipboard()->clear(QClipboard::Clipboard);
  QGuiApplication::clipboard()->clear(QClipboard::Selection);
  QTest::qWait(20);
}

using Way = std::function<void(QWidget*)>;

struct NamedWay {
  const char* name;
  Way enter;
  QClipboard::Mode source;
};

const NamedWay kPastes[] = {
    {"Ctrl+V", [](QWidget* b) { pressKeys(b, QKeySequence(Qt::CTRL | Qt::Key_V)); },
     QClipboard::Clipboard},
    {"Shift+Insert", [](QWidget* b) { pressKeys(b, QKeySequence(Qt::SHIFT | Qt::Key_Insert)); },
     QClipboard::Clipboard},
    {"middle click", middleClick, QClipboard::Selection},
    {"context menu", pasteFromContextMenu, QClipboard::Clipboard},
};

}  // namespace

class PasteTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { emptyClipboard(); }

  void pastingFromAnEmptyClipboardChangesNothing_data() { addWayRows(); }
  void pastingFromAnEmptyClipboardChangesNothing() {
    QFETCH(int, box);
    QFETCH(int, way);
    WindowUnderTest w;
    const C id = kBoxes[box];
    const std::u16string before = w.model().text(id);
    kPastes[way].enter(w.widget(id));
    QTest::qWait(20);
    QCOMPARE(ui::qtText(w.model().text(id)), ui::qtText(before));
  }

  void pastingTextEntersIt_data() { addWayRows(); }
  void pastingTextEntersIt() {
    QFETCH(int, box);
    QFETCH(int, way);
    WindowUnderTest w;
    const C id = kBoxes[box];
    const QString pasted = QStringLiteral("١٩٨٥");
    QGuiApplication::clipboard()->setText(pasted, kPastes[way].source);
    w.model().userSetText(id, u"");
    kPastes[way].enter(w.widget(id));
    QTest::qWait(20);
    QCOMPARE(ui::qtText(w.model().text(id)), pasted);
  }

  void droppingWhatIsNotTextChangesNothing_data() {
    QTest::addColumn<int>("box");
    for (int i = 0; i < std::ssize(kBoxes); ++i) {
      QTest::newRow(std::string(core::controlName(kBoxes[i])).c_str()) << i;
    }
  }
  void droppingWhatIsNotTextChangesNothing() {
    QFETCH(int, box);
    WindowUnderTest w;
    const C id = kBoxes[box];
    const std::u16string before = w.model().text(id);
    QMimeData nothing;
    drop(w.widget(id), &nothing);
    QMimeData image;
    image.setData(QStringLiteral("image/png"), QByteArray("\x89PNG", 4));
    drop(w.widget(id), &image);
    QCOMPARE(ui::qtText(w.model().text(id)), ui::qtText(before));
  }

 private:
  static void addWayRows() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("way");
    for (int b = 0; b < std::ssize(kBoxes); ++b) {
      for (int p = 0; p < std::ssize(kPastes); ++p) {
        const std::string row = std::string(core::controlName(kBoxes[b])) + ' ' + kPastes[p].name;
        QTest::newRow(row.c_str()) << b << p;
      }
    }
  }
};

int runPasteTests(int argc, char** argv) {
  PasteTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace umrak::gui_test

#include "paste_test.moc"
