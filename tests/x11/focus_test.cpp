// Where the keyboard focus goes under a real window manager, or a Wayland
// compositor with its own window on X, which the wrapper script starts on a
// private X server: the window as the program shows it is active with the
// focus on Text1, and after the error box the focus is back where it was.
// Keys come through the X server, so they land where the window manager or
// the compositor put the focus.
#include <xcb/xcb.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>

#include "program/application.h"
#include "tests/x11/x_keyboard.h"
#include "tests/x11/x_server.h"
#include "window/form_window.h"

namespace umrak::gui_test {

namespace {

using C = core::ControlId;

bool onX11() {
  return qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
}

// Active for Qt, and on X11 for the window manager too.
bool isActive(const QWidget& window) {
  return QApplication::activeWindow() == &window && (!onX11() || activeWindow() == window.winId());
}

QString whoIsActive() {
  const QWidget* qt = QApplication::activeWindow();
  const QWidget* focus = QApplication::focusWidget();
  return QStringLiteral("window manager's active window %1, Qt's active window %2, focus on %3")
      .arg(onX11() ? QString::number(activeWindow(), 16) : QStringLiteral("unknown"))
      .arg(qt ? QString::fromLatin1(qt->metaObject()->className()) : QStringLiteral("none"))
      .arg(focus ? focus->objectName() : QStringLiteral("nothing"));
}

// Closes the error box with Enter once the window manager has made it the
// active window; a box that never becomes active is closed by hand after a
// while, so that the test goes on to fail.
class BoxCloser : public QObject {
 public:
  explicit BoxCloser(Keyboard& keyboard) : keyboard_(keyboard) {
    connect(&timer_, &QTimer::timeout, this, &BoxCloser::check);
    timer_.start(20);
    clock_.start();
  }
  bool done() const { return !timer_.isActive(); }
  bool boxWasActive() const { return boxWasActive_; }

 private:
  void check() {
    auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!box) return;
    if (isActive(*box)) {
      boxWasActive_ = true;
      keyboard_.press(Keyboard::kReturn);
      timer_.stop();
    } else if (clock_.hasExpired(5000)) {
      box->reject();
      timer_.stop();
    }
  }

  Keyboard& keyboard_;
  QTimer timer_;
  QElapsedTimer clock_;
  bool boxWasActive_ = false;
};

}  // namespace

class FocusTest : public QObject {
  Q_OBJECT

 private:
  QString textOf(C box) const { return QString::fromStdU16String(window_.model().text(box)); }
  QWidget* control(C id) const { return window_.control(id); }

  ui::Form1Window window_;
  Keyboard keyboard_;

 private slots:
  // As the program shows its window: nothing else is asked for.
  void initTestCase() { window_.show(); }

  void theWindowStartsActiveWithTheFocusOnText1() {
    QTRY_VERIFY2_WITH_TIMEOUT(isActive(window_), qPrintable(whoIsActive()), 5000);
    QCOMPARE(QApplication::focusWidget(), control(C::Text1));
    keyboard_.type("12");
    QTRY_COMPARE(textOf(C::Text1), QStringLiteral("19812"));
  }

  // Tab to "أدخال" and Space: the empty birth-month box raises the error.
  void theFocusComesBackWhereItWasAfterTheErrorBox() {
    keyboard_.press(Keyboard::kTab, 9);
    QTRY_COMPARE(QApplication::focusWidget(), control(C::Command7));
    BoxCloser closer(keyboard_);
    keyboard_.press(Keyboard::kSpace);
    QTRY_VERIFY_WITH_TIMEOUT(closer.done(), 10000);
    QVERIFY2(closer.boxWasActive(), "the error box never became the active window");

    QTRY_VERIFY2_WITH_TIMEOUT(isActive(window_), qPrintable(whoIsActive()), 5000);
    QCOMPARE(QApplication::focusWidget(), control(C::Command7));
    keyboard_.pressWithShift(Keyboard::kTab, 7);
    keyboard_.type("5");
    QTRY_COMPARE(textOf(C::Text3), QStringLiteral("5"));
  }
};

bool waitFor(const std::function<bool()>& ready) {
  for (int tries = 0; tries < 300; ++tries) {
    if (ready()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

// A running window manager has marked the root window as managed.
bool windowManagerRuns(xcb_connection_t* x, xcb_atom_t check) {
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      x, xcb_get_property(x, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr);
  const bool runs = reply && xcb_get_property_value_length(reply) == 4;
  std::free(reply);
  return runs;
}

// The program starts once the window manager runs, or the Wayland compositor
// has opened its socket.
bool waitForWindowManager() {
  if (const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY"); !wayland.isEmpty()) {
    const QString socket = qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + wayland;
    return waitFor([&] { return QFile::exists(socket); });
  }
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  const char name[] = "_NET_SUPPORTING_WM_CHECK";
  xcb_intern_atom_reply_t* check =
      xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, sizeof name - 1, name), nullptr);
  const bool runs = check && waitFor([&] { return windowManagerRuns(x, check->atom); });
  std::free(check);
  xcb_disconnect(x);
  return runs;
}

}  // namespace umrak::gui_test

int main(int argc, char* argv[]) {
  if (!umrak::gui_test::waitForWindowManager()) {
    std::fputs("no window manager came up\n", stderr);
    return 1;
  }
  umrak::app::prepareQt();
  QApplication app(argc, argv);
  umrak::app::setUpApplication();
  umrak::gui_test::FocusTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "focus_test.moc"
