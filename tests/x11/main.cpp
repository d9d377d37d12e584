#include <QApplication>

#include "tests/gui/modal_watchdog.h"
#include "tests/x11/x11_tests.h"
#include "ui/application.h"

int main(int argc, char* argv[]) {
  umrak::ui::prepareQt();
  QApplication app(argc, argv);
  umrak::ui::setUpApplication();
  umrak::gui_test::ModalWatchdog watchdog;
  watchdog.start();

  int failures = umrak::gui_test::runPasteTests(argc, argv);
  failures += umrak::gui_test::runWindowSystemTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
