#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace umrak::gui_test {

// Keys pressed through the XTEST extension of the X server on DISPLAY, as on
// a real keyboard: each goes where the X input focus is when the server
// handles it, which may be a Wayland compositor's own window.
class Keyboard {
 public:
  // Key symbols of the keys used here; a digit or a blank is its own symbol.
  static constexpr xcb_keysym_t kTab = 0xff09;
  static constexpr xcb_keysym_t kReturn = 0xff0d;
  static constexpr xcb_keysym_t kSpace = 0x20;

  Keyboard();
  ~Keyboard();
  Keyboard(const Keyboard&) = delete;
  Keyboard& operator=(const Keyboard&) = delete;

  void press(xcb_keysym_t key, int times = 1);
  void pressWithShift(xcb_keysym_t key, int times = 1);
  void type(std::string_view digits);

 private:
  xcb_keycode_t codeOf(xcb_keysym_t key) const;
  void send(std::uint8_t type, xcb_keysym_t key);

  xcb_connection_t* x_;
  xcb_keycode_t firstCode_ = 0;
  int symbolsPerCode_ = 1;
  std::vector<xcb_keysym_t> symbols_;
};

}  // namespace umrak::gui_test
