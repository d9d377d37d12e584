#include <QApplication>

#include "tests/gui/modal_watchdog.h"
#include "tests/x11/x11_tests.h"
#include "ui/application.h"

int main(int argc, char* argv[]) {
  ui::prepareQt();
  QApplication app(argc, argv);
  ui::setUpApplication();
  gui_test::ModalWatchdog watchdog;
  watchdog.start();

  int failures = gui_test::runPasteTests(argc, argv);
  failures += gui_test::runWindowSystemTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
