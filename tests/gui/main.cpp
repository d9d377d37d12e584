#include <QApplication>

#include "tests/gui/gui_tests.h"
#include "tests/gui/modal_watchdog.h"
#include "ui/application.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ui::prepareQt();
  QApplication app(argc, argv);
  ui::setUpApplication();
  gui_test::ModalWatchdog watchdog;
  watchdog.start();

  int failures = gui_test::runLayoutTests(argc, argv);
  failures += gui_test::runBindingTests(argc, argv);
  failures += gui_test::runLifecycleTests(argc, argv, watchdog);
  failures += gui_test::runQtTextsTests(argc, argv);
  failures += gui_test::runReadingOrderTests(argc, argv);
  failures += gui_test::runAccessibilityTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
