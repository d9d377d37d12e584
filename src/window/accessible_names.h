#pragma once

#include <QString>
#include <span>
#include <string>

#include "runtime/controls.h"
#include "runtime/form_model.h"

namespace umrak::ui {

// What a screen reader calls a control whose caption does not say what it is
// for: the role of each box and bar, and the month each month button sets;
// empty for the controls that are read by their captions. A result label is
// called by its role and the value it shows, so that the value is heard with
// its meaning wherever the reader finds it.
QString spokenName(core::ControlId id, const std::u16string& shown);

// What is said after a click: each control it wrote, by its role and new
// value, in reading order (years, months, days), once each; then what it
// printed. Controls without a role are left out.
QString announcementOf(std::span<const core::ControlId> written, const core::FormModel& model,
                       std::span<const std::u16string> printed);

}  // namespace umrak::ui
