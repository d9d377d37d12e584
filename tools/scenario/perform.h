#pragma once

#include "scenario/driver.h"
#include "scenario/script.h"

namespace umrak::scenario {

// Plays one step of a script on a driver as it stands: a user's action or an
// injected failure; an expectation does nothing here. False where the driver
// cannot make the failure asked for.
bool perform(Driver& driver, const Step& step);

}  // namespace umrak::scenario
