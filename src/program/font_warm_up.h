#pragma once

#include <thread>

namespace umrak::app {

// Reads the font configuration while the program connects to the display.
// Every Qt program on Linux has fontconfig read its whole configuration
// (dozens of XML files) before it lays out its first text, on the main
// thread, once the first widget needs a font. Here a thread of its own reads
// it from the start, while the main thread loads the platform plugin and
// waits for the X server; fontconfig keeps it for the whole process, and Qt
// finds it there.
class FontWarmUp {
 public:
  FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;
  ~FontWarmUp();

  // Waits until the configuration is read. Called before the first widget
  // asks for a font: when two threads read the configuration at once, the
  // work is done twice and fontconfig loses part of one reading (a leak
  // that LeakSanitizer reports on a busy machine).
  void finish();

 private:
  std::thread thread_;
};

}  // namespace umrak::app
