#pragma once

#include "scenario/driver.h"

namespace umrak::scenario {

// Drivers that replay scenarios through the real window, for --window. A
// build without the window defines this to return an empty factory.
DriverFactory windowDriverFactory();

}  // namespace umrak::scenario
