#pragma once

namespace umrak::gui_test {

// Each runs one QTest class on the X11 platform and returns its failures.
int runPasteTests(int argc, char** argv);
int runWindowSystemTests(int argc, char** argv);

}  // namespace umrak::gui_test
