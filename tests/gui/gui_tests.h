#pragma once

namespace umrak::gui_test {

class ModalWatchdog;

// Each runs one QTest class and returns its number of failures.
int runLayoutTests(int argc, char** argv);
int runBindingTests(int argc, char** argv);
int runLifecycleTests(int argc, char** argv, ModalWatchdog& watchdog);
int runQtTextsTests(int argc, char** argv);
int runReadingOrderTests(int argc, char** argv);
int runAccessibilityTests(int argc, char** argv);

}  // namespace umrak::gui_test
