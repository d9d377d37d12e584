#pragma once

#include <cstdint>

#include "runtime/controls.h"

namespace umrak::ui {
class Form1Window;
class ScrollBar;
}  // namespace umrak::ui

namespace umrak::scenario {

ui::ScrollBar& barOf(const ui::Form1Window& window, core::ControlId bar);

enum class Part { Arrows, Trough };

// Clicks on an arrow or in the trough, one step each, until the bar stands
// at `value`.
void clickTo(ui::ScrollBar& bar, std::int16_t value, Part part);

// Presses the thumb, moves it through every value up to `value` and lets go.
void dragThumbTo(ui::ScrollBar& bar, std::int16_t value);

}  // namespace umrak::scenario
