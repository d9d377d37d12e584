#include <QApplication>

#include "program/application.h"
#include "tests/gui/gui_tests.h"
#include "tests/gui/modal_watchdog.h"
#include "tests/gui/test_classes.h"

int main(int argc, char* argv[]) {
  using namespace umrak::gui_test;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  umrak::app::prepareQt();
  QApplication app(argc, argv);
  umrak::app::setUpApplication();
  ModalWatchdog watchdog;
  watchdog.start();

  const TestClass classes[] = {
      {"LayoutTest", runLayoutTests},
      {"BindingTest", runBindingTests},
      {"LifecycleTest", [&](int c, char** v) { return runLifecycleTests(c, v, watchdog); }},
      {"QtTextsTest", runQtTextsTests},
      {"ReadingOrderTest", runReadingOrderTests},
      {"AccessibilityTest", runAccessibilityTests},
  };
  return runTestClasses(argc, argv, classes);
}
