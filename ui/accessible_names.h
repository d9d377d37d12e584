#pragma once

#include <QString>

#include "core/controls.h"

namespace ui {

// What a screen reader says for a control that shows no caption of its own:
// the role of each text box and scroll bar. Empty for the other controls,
// which are read by their captions.
QString accessibleRoleName(core::ControlId id);

}  // namespace ui
