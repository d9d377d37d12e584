#include "program/font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace umrak::app {

// At normal priority: the main thread waits for this thread before it builds
// the window, so a thread that a busy machine starved would hold up the start.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp() {
  finish();
}

void FontWarmUp::finish() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace umrak::app
