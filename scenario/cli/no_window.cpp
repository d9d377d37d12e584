#include "scenario/window_driver.h"

namespace umrak::scenario {

DriverFactory windowDriverFactory() {
  return {};
}

}  // namespace umrak::scenario
