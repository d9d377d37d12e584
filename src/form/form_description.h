#pragma once

#include "runtime/control_record.h"

namespace umrak::form1 {

// The stored description of Form1: the form's own record and its 55 controls.
const core::FormDescription& form1Description();

}  // namespace umrak::form1
