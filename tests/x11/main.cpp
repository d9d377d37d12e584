#include <QApplication>

#include "app/program/application.h"
#include "tests/gui/modal_watchdog.h"
#include "tests/x11/x11_tests.h"

int main(int argc, char* argv[]) {
  umrak::app::prepareQt();
  QApplication app(argc, argv);
  umrak::app::setUpApplication();
  umrak::gui_test::ModalWatchdog watchdog;
  watchdog.start();

  int failures = umrak::gui_test::runPasteTests(argc, argv);
  failures += umrak::gui_test::runWindowSystemTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
