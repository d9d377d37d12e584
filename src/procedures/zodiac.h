#pragma once

#include <array>
#include <string_view>

#include "runtime/procedure.h"

namespace umrak::zodiac {

// The sign in force at the start of each month, January first.
inline constexpr std::array<std::u16string_view, 12> kSignTexts = {
    u"انت من برج الجدى",   u"انت من برج الدلو",   u"انت من برج الحوت",   u"انت من برج الحمل",
    u"انت من برج الثور",   u"انت من برج الجوزاء", u"انت من برج السرطان", u"انت من برج الأسد",
    u"انت من برج العذراء", u"انت من برج الميزان", u"انت من برج العقرب",  u"انت من برج القوس",
};

// Names the sign of the birth month in Text2; a month that is not exactly one
// of 1 to 12 leaves Label19 as it is.
core::Status showSign(core::FormModel& form, core::Caller caller);

}  // namespace umrak::zodiac
