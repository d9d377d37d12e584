#pragma once

#include "core/frame.h"

namespace umrak::core {

// The exit button: ends the program at once, asking nothing.
Status Command12_Click(FormModel& form, Entry entry);

}  // namespace umrak::core
