#pragma once

#include <cstdint>
#include <span>

#include "runtime/controls.h"

namespace umrak::core {

// Colours the platform supplies; Rgb means the record's own value.
enum class SystemColor : std::uint8_t {
  Rgb,
  ButtonText,
  WindowText,
  ActiveCaptionText,
  ButtonFace,
  Window,
  ScrollBar,
};

struct Color {
  SystemColor system = SystemColor::Rgb;
  std::uint8_t r = 0, g = 0, b = 0;

  static constexpr Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {SystemColor::Rgb, r, g, b};
  }
  static constexpr Color of(SystemColor s) { return {s, 0, 0, 0}; }
  friend constexpr bool operator==(const Color&, const Color&) = default;
};

// The four faces the form uses: MS Sans Serif at these sizes and weights.
enum class FontStyle : std::uint8_t { Regular825, Bold825, Bold975, Bold12 };

struct FontFace {
  double points;
  bool bold;
};

constexpr FontFace fontFace(FontStyle f) {
  switch (f) {
    case FontStyle::Bold825:
      return {8.25, true};
    case FontStyle::Bold975:
      return {9.75, true};
    case FontStyle::Bold12:
      return {12.0, true};
    case FontStyle::Regular825:
      break;
  }
  return {8.25, false};
}

struct ScrollSettings {
  std::int16_t min = 0;
  std::int16_t max = 32767;
  std::int16_t value = 0;
  std::int16_t smallChange = 1;
  std::int16_t largeChange = 1;
};

// One control of the stored form description. Texts are UTF-8 source text;
// the form model reads them as UTF-16.
struct ControlRecord {
  ControlId id;
  Kind kind;
  const char* text;              // caption, or a text box's initial text
  int left, top, width, height;  // twips, from the client area's top-left corner
  Color back;
  Color fore;
  FontStyle font;
  int tabIndex;
  bool rightToLeft;
  ScrollSettings scroll{};
  bool multiLine = false;          // text boxes
  bool verticalScrollBar = false;  // text boxes
  bool rightJustified = false;     // labels
};

struct FormRecord {
  const char* caption;
  int clientWidth, clientHeight;  // twips
  Color back;
  Color fore;
  FontStyle font;
  bool rightToLeft;
  bool toolWindow;
  bool minButton, maxButton, showInTaskbar;
};

struct FormDescription {
  FormRecord form;
  std::span<const ControlRecord> controls;  // stored order, topmost first
};

inline constexpr int kTwipsPerPixel = 15;

}  // namespace umrak::core
