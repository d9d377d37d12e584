#pragma once

#include <thread>

namespace umrak::app {

// Reads the font configuration while the program connects to the display.
// Every Qt program on Linux has fontconfig read its whole configuration
// (dozens of XML files) before it lays out its first text, on the main
// thread, once the first widget needs a font. Here a thread of its own reads
// it from the start, while the main thread loads the platform plugin and
// waits for the X server; fontconfig keeps it for the whole process, and Qt
// finds it there. The thread runs at the lowest priority, on what the main
// thread and the X server leave of the processors: should the main thread
// need the configuration first, it reads its own as it always did.
class FontWarmUp {
 public:
  FontWarmUp();
  FontWarmUp(const FontWarmUp&) = delete;
  FontWarmUp& operator=(const FontWarmUp&) = delete;
  ~FontWarmUp();

 private:
  std::thread thread_;
};

}  // namespace umrak::app
