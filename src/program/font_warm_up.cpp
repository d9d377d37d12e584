#include "program/font_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <unistd.h>

namespace umrak::app {

namespace {

// At the lowest priority the thread takes no processor time from the main
// thread or from the X server answering it; it holds no lock that either
// could wait for, since fontconfig publishes the configuration only once it
// is complete.
void readFontConfiguration() {
  setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
  FcInit();
}

}  // namespace

FontWarmUp::FontWarmUp() : thread_(readFontConfiguration) {}

FontWarmUp::~FontWarmUp() {
  thread_.join();
}

}  // namespace umrak::app
