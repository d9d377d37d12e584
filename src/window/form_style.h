#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <string>

#include "runtime/control_record.h"

namespace umrak::ui {

// MS Sans Serif with the Arabic character set is not found on Linux desktops;
// this face has the Arabic glyphs and a comparable size.
inline constexpr char kFontFamily[] = "Noto Sans Arabic UI";

// Twips to logical pixels; Qt's device-pixel ratio scales them further.
int toPixels(int twips);
// The rounding applies to both edges, so neighbours stay flush.
QRect pixelRect(const core::ControlRecord& record);
QSize clientSize(const core::FormRecord& form);

// A record's colour, or the platform's colour for a system colour.
QColor colorOf(core::Color color, const QPalette& system);
QFont fontOf(core::FontStyle style);
Qt::LayoutDirection directionOf(bool rightToLeft);

inline QString qtText(const std::u16string& text) {
  return QString::fromStdU16String(text);
}
inline std::u16string modelText(const QString& text) {
  return text.toStdU16String();
}

}  // namespace umrak::ui
