#include <QApplication>

#include "program/application.h"
#include "tests/gui/modal_watchdog.h"
#include "tests/gui/test_classes.h"
#include "tests/x11/x11_tests.h"

int main(int argc, char* argv[]) {
  using namespace umrak::gui_test;
  umrak::app::prepareQt();
  QApplication app(argc, argv);
  umrak::app::setUpApplication();
  ModalWatchdog watchdog;
  watchdog.start();

  const TestClass classes[] = {
      {"PasteTest", runPasteTests},
      {"WindowSystemTest", runWindowSystemTests},
  };
  return runTestClasses(argc, argv, classes);
}
