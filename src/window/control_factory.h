#pragma once

#include <QWidget>

#include "runtime/control_record.h"

namespace umrak::ui {

class CommandButton;
class FormLabel;
class ScrollBar;
class TextBox;

// One control of the form on screen: its widget, and the same control by its
// kind where the window talks to it (none for a frame).
struct FormControl {
  QWidget* widget = nullptr;
  CommandButton* button = nullptr;
  TextBox* box = nullptr;
  FormLabel* label = nullptr;
  ScrollBar* bar = nullptr;
};

// Makes the widget for one control from its record: kind, place, size,
// caption or text, colours, font, reading direction, whether it takes the
// focus, and what a screen reader calls it.
FormControl createControl(const core::ControlRecord& record, QWidget* parent);

bool takesFocus(core::Kind kind);

}  // namespace umrak::ui
