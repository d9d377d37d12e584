#include <QApplication>

#include "app/program/application.h"
#include "tests/gui/gui_tests.h"
#include "tests/gui/modal_watchdog.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  umrak::app::prepareQt();
  QApplication app(argc, argv);
  umrak::app::setUpApplication();
  umrak::gui_test::ModalWatchdog watchdog;
  watchdog.start();

  int failures = umrak::gui_test::runLayoutTests(argc, argv);
  failures += umrak::gui_test::runBindingTests(argc, argv);
  failures += umrak::gui_test::runLifecycleTests(argc, argv, watchdog);
  failures += umrak::gui_test::runQtTextsTests(argc, argv);
  failures += umrak::gui_test::runReadingOrderTests(argc, argv);
  failures += umrak::gui_test::runAccessibilityTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
