// What only a real X server shows: the window's state as the window manager
// reads it, and the exposure of the part of the window that another window
// covered, as the server reports it (Xvfb has no compositor).
#include <xcb/xcb.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <cstdlib>

#include "procedures/credit.h"
#include "tests/gui/fixture.h"
#include "tests/x11/x11_tests.h"
#include "tests/x11/x_server.h"

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

}  // namespace

class WindowSystemTest : public QObject {
  Q_OBJECT

 private slots:
  void theFormAsksForNoTaskbarEntry() {
    WindowUnderTest w;
    QVERIFY(!w.model().description().form.showInTaskbar);
    QVERIFY(windowStates(w.window()).contains(atomOf("_NET_WM_STATE_SKIP_TASKBAR")));
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
