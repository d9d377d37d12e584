#pragma once

#include <QWidget>

#include "core/control_record.h"

namespace umrak::ui {

// Makes the widget for one control from its record: kind, place, size,
// caption or text, colours, font, reading direction, whether it takes the
// focus, and what a screen reader calls it.
QWidget* createControl(const core::ControlRecord& record, QWidget* parent);

bool takesFocus(core::Kind kind);

}  // namespace umrak::ui
