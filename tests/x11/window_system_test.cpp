// What only a real X server shows: the window's state as the window manager
// reads it, and the exposure of the part of the window that another window
// covered, as the server reports it (Xvfb has no compositor).
#include <xcb/xcb.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "procedures/credit.h"
#include "tests/gui/fixture.h"
#include "tests/x11/x11_tests.h"
#include "tests/x11/x_server.h"
#include "window/window_kind.h"

namespace umrak::gui_test {

namespace {

using C = core::ControlId;

// The atoms of the window's _NET_WM_STATE, as the window manager reads them.
QList<xcb_atom_t> windowStates(const QWidget& window) {
  const auto cookie = xcb_get_property(connection(), 0, static_cast<xcb_window_t>(window.winId()),
                                       atomOf("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 1024);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection(), cookie, nullptr);
  QList<xcb_atom_t> states;
  if (reply && reply->format == 32) {
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    states = QList<xcb_atom_t>(atoms, atoms + xcb_get_property_value_length(reply) / 4);
  }
  std::free(reply);
  return states;
}

// The part of `area` where the form's own surface shows, between its controls.
QRegion bare(const QWidget& form, const QRect& area) {
  QRegion region(area);
  for (const QWidget* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isVisible()) region -= child->geometry();
  }
  return region;
}

xcb_window_t rootWindow() {
  return xcb_setup_roots_iterator(xcb_get_setup(connection())).data->root;
}

// What a window manager leaves on the server for others to find it (EWMH):
// the root names its check window, which names itself and carries the
// manager's name. Each part can be missing or left behind by a manager that
// has gone. Removed again when the row ends, passed or failed.
class WindowManagerTrace {
 public:
  enum class CheckNames { Itself, Nothing, TheRoot };

  WindowManagerTrace(CheckNames checkNames, xcb_atom_t nameType, const QByteArray& name)
      : check_(xcb_generate_id(connection())) {
    xcb_create_window(connection(), XCB_COPY_FROM_PARENT, check_, rootWindow(), -1, -1, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    setWindow(rootWindow(), check_);
    if (checkNames != CheckNames::Nothing) {
      setWindow(check_, checkNames == CheckNames::Itself ? check_ : rootWindow());
    }
    xcb_change_property(connection(), XCB_PROP_MODE_REPLACE, check_, atomOf("_NET_WM_NAME"),
                        nameType, 8, static_cast<std::uint32_t>(name.size()), name.constData());
    roundTrip();
  }
  WindowManagerTrace(const WindowManagerTrace&) = delete;
  WindowManagerTrace& operator=(const WindowManagerTrace&) = delete;
  ~WindowManagerTrace() {
    xcb_delete_property(connection(), rootWindow(), atomOf("_NET_SUPPORTING_WM_CHECK"));
    xcb_destroy_window(connection(), check_);
    roundTrip();
  }

 private:
  static void setWindow(xcb_window_t on, xcb_window_t named) {
    xcb_change_property(connection(), XCB_PROP_MODE_REPLACE, on, atomOf("_NET_SUPPORTING_WM_CHECK"),
                        XCB_ATOM_WINDOW, 32, 1, &named);
  }
  // Every request before it has reached the server once its answer is back.
  static void roundTrip() {
    std::free(xcb_get_input_focus_reply(connection(), xcb_get_input_focus(connection()), nullptr));
  }

  xcb_window_t check_;
};

}  // namespace

class WindowSystemTest : public QObject {
  Q_OBJECT

 private slots:
  void theFormAsksForNoTaskbarEntry() {
    WindowUnderTest w;
    QVERIFY(!w.model().description().form.showInTaskbar);
    QVERIFY(windowStates(w.window()).contains(atomOf("_NET_WM_STATE_SKIP_TASKBAR")));
  }

  void theWindowManagerIsKnownByTheNameItLeaves_data() {
    using Checks = WindowManagerTrace::CheckNames;
    QTest::addColumn<Checks>("checkNames");
    QTest::addColumn<QByteArray>("nameType");
    QTest::addColumn<QString>("named");
    QTest::newRow("a running manager") << Checks::Itself << QByteArray("UTF8_STRING") << "KWin";
    QTest::newRow("a check window left by a manager that has gone")
        << Checks::Nothing << QByteArray("UTF8_STRING") << "";
    QTest::newRow("a check window that names another")
        << Checks::TheRoot << QByteArray("UTF8_STRING") << "";
    QTest::newRow("a name that is not UTF-8 text") << Checks::Itself << QByteArray("STRING") << "";
  }

  void theWindowManagerIsKnownByTheNameItLeaves() {
    QFETCH(WindowManagerTrace::CheckNames, checkNames);
    QFETCH(QByteArray, nameType);
    QFETCH(QString, named);
    QVERIFY(ui::runningWindowManager().empty());
    const WindowManagerTrace trace(checkNames, atomOf(nameType.toStdString()), "KWin");
    QCOMPARE(QString::fromStdString(ui::runningWindowManager()), named);
  }

  // Another window lies over the left half of the first printed line and
  // goes away: the server exposes that half, which is wiped; the rest of the
  // line and the line below stay on the screen.
  void uncoveringHalfALineWipesOnlyThatHalf() {
    WindowUnderTest w;
    const TwoPrintedLines lines = printTwoLines(w);
    const QRect left = lines.firstLeft;
    QWidget cover(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    cover.setGeometry(QRect(w.window().mapToGlobal(left.topLeft()), left.size()));
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    QTest::qWait(50);
    cover.hide();
    QTest::qWait(200);

    const QImage screen = w.window()
                              .screen()
                              ->grabWindow(w.window().winId())
                              .toImage()
                              .convertToFormat(QImage::Format_RGB32);
    const QWidget& form = w.window();
    QVERIFY(!inked(screen, bare(form, left)));
    QVERIFY(inked(screen, bare(form, lines.firstRight)));
    QVERIFY(inked(screen, bare(form, lines.second)));
    QCOMPARE(w.model().printPosition(), 2);
  }
};

int runWindowSystemTests(int argc, char** argv) {
  WindowSystemTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace umrak::gui_test

#include "window_system_test.moc"
