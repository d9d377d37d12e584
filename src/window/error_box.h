#pragma once

#include <QString>

#include "runtime/run_error.h"

class QWidget;

namespace umrak::ui {

// The report of an untrapped run-time error: its number and message, in
// Arabic, right to left.
QString errorBoxText(const core::RunError& error);

// Shows the report in a modal message box and returns once it is dismissed,
// with the window below it active again.
void showErrorBox(QWidget* parent, const QString& title, const core::RunError& error);

}  // namespace umrak::ui
