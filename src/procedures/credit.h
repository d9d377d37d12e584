#pragma once

#include <string_view>

#include "runtime/procedure.h"

namespace umrak::form1 {

inline constexpr std::u16string_view kCreditLine = u"مع تحياتى زمكلود";

// Prints the credit line on the form at its print position, once per click.
core::Status printCredit(core::FormModel& form, core::Caller caller);

}  // namespace umrak::form1
