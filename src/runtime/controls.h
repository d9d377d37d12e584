#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace umrak::core {

// The 55 controls of Form1 in stored order: topmost first, windowed controls
// before the labels. This is also the order of the form's control accessors.
#define UMRAK_CONTROLS(X)                                                                         \
  X(Command19)                                                                                    \
  X(Frame5)                                                                                       \
  X(Frame4)                                                                                       \
  X(HScroll1) X(VScroll2) X(Frame3) X(Frame2) X(Frame1) X(VScroll1) X(scroll) X(Command18)        \
      X(Command17) X(Text8) X(Command16) X(Command15) X(Command14) X(Text7) X(Command13) X(Text6) \
          X(Text5) X(Text4) X(Command12) X(Command11) X(Command10) X(Command9) X(Command8)        \
              X(Command7) X(Command6) X(Command5) X(Command4) X(Command3) X(Command2) X(Command1) \
                  X(Text3) X(Text2) X(Text1) X(Label19) X(Label18) X(Label13) X(Label12)          \
                      X(Label17) X(Label16) X(Label15) X(Label14) X(Label11) X(Label10) X(Label9) \
                          X(Label8) X(Label7) X(Label6) X(Label5) X(Label4) X(Label3) X(Label2)   \
                              X(Label1)

enum class ControlId : std::uint8_t {
#define UMRAK_ENUM_ENTRY(name) name,
  UMRAK_CONTROLS(UMRAK_ENUM_ENTRY)
#undef UMRAK_ENUM_ENTRY
};

inline constexpr std::size_t kControlCount = 55;

inline constexpr std::array<std::string_view, kControlCount> kControlNames = {
#define UMRAK_NAME_ENTRY(name) #name,
    UMRAK_CONTROLS(UMRAK_NAME_ENTRY)
#undef UMRAK_NAME_ENTRY
};

constexpr std::size_t indexOf(ControlId id) {
  return static_cast<std::size_t>(id);
}
constexpr std::string_view controlName(ControlId id) {
  return kControlNames[indexOf(id)];
}

// Exact, case-sensitive: `scroll` and `Text1` are names, not patterns.
std::optional<ControlId> controlByName(std::string_view name);

enum class Kind : std::uint8_t { CommandButton, TextBox, Label, Frame, HScrollBar, VScrollBar };

constexpr bool isScrollBar(Kind k) {
  return k == Kind::HScrollBar || k == Kind::VScrollBar;
}

enum class Event : std::uint8_t { Click, Change, Scroll };

// The property operations a procedure can call on a control.
enum class Op : std::uint8_t { GetText, SetText, GetCaption, SetCaption, GetValue };

}  // namespace umrak::core
