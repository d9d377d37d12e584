#include "window/form_style.h"

#include <cmath>

namespace umrak::ui {

int toPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / core::kTwipsPerPixel));
}

QRect pixelRect(const core::ControlRecord& record) {
  const int left = toPixels(record.left);
  const int top = toPixels(record.top);
  const int right = toPixels(record.left + record.width);
  const int bottom = toPixels(record.top + record.height);
  return QRect(left, top, right - left, bottom - top);
}

QSize clientSize(const core::FormRecord& form) {
  return QSize(toPixels(form.clientWidth), toPixels(form.clientHeight));
}

QColor colorOf(core::Color color, const QPalette& system) {
  using core::SystemColor;
  switch (color.system) {
    case SystemColor::Rgb:
      return QColor(color.r, color.g, color.b);
    case SystemColor::ButtonText:
      return system.color(QPalette::ButtonText);
    // The window-text of a text box is the text on its window background,
    // which Qt calls Text on Base.
    case SystemColor::WindowText:
      return system.color(QPalette::Text);
    case SystemColor::Window:
      return system.color(QPalette::Base);
    // Qt keeps no caption colours; highlighted text is the light text on the
    // strong accent colour, as the active caption's text is.
    case SystemColor::ActiveCaptionText:
      return system.color(QPalette::HighlightedText);
    case SystemColor::ButtonFace:
    case SystemColor::ScrollBar:
      return system.color(QPalette::Button);
  }
  return {};
}

QFont fontOf(core::FontStyle style) {
  const core::FontFace face = core::fontFace(style);
  QFont font(QString::fromLatin1(kFontFamily));
  font.setPointSizeF(face.points);
  font.setBold(face.bold);
  return font;
}

Qt::LayoutDirection directionOf(bool rightToLeft) {
  return rightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
}

}  // namespace umrak::ui
