#include "scenario/window_factory.h"

namespace umrak::scenario {

DriverFactory windowDriverFactory() {
  return {};
}

}  // namespace umrak::scenario
