#include <QApplication>

#include "tests/gui/gui_tests.h"
#include "tests/gui/modal_watchdog.h"
#include "ui/application.h"

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ui::prepareQt();
  QApplication app(argc, argv);
  ui::setUpApplication();
  gui_test::ModalWatchdog::instance().start();

  int failures = 0;
  for (auto run :
       {gui_test::runLayoutTests, gui_test::runBindingTests, gui_test::runLifecycleTests}) {
    failures += run(argc, argv);
  }
  return failures == 0 ? 0 : 1;
}
