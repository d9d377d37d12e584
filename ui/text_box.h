#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "core/control_record.h"

namespace umrak::ui {

// A text box: a single-line edit, or a multi-line one with a vertical scroll
// bar for records that ask for it. No length limit; Tab leaves the box.
QWidget* createTextBox(const core::ControlRecord& record, QWidget* parent);

// Shows a text the program wrote; the box reports it as no edit of the user.
void showBoxText(QWidget* box, const std::u16string& text);

// Calls `edited` with the box's whole text after each edit by the user.
void onBoxEdited(QWidget* box, QObject* context, std::function<void(std::u16string)> edited);

// The box's text as the program reads it.
std::u16string boxText(const QWidget* box);

}  // namespace umrak::ui
