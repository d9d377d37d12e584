#include "scenario/window_driver.h"

namespace scenario {

DriverFactory windowDriverFactory() {
  return {};
}

}  // namespace scenario
