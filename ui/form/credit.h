#pragma once

#include <string_view>

#include "core/frame.h"

namespace umrak::form {

inline constexpr std::u16string_view kCreditLine = u"مع تحياتى زمكلود";

// Prints the credit line on the form at its print position, once per click.
core::Status Command13_Click(core::FormModel& form, core::Entry entry);

}  // namespace umrak::form
