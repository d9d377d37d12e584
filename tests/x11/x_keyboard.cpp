#include "tests/x11/x_keyboard.h"

#include <xcb/xtest.h>

#include <QtGlobal>
#include <cstdlib>

namespace umrak::gui_test {

namespace {

constexpr xcb_keysym_t kShift = 0xffe1;

}  // namespace

Keyboard::Keyboard() : x_(xcb_connect(nullptr, nullptr)) {
  if (xcb_connection_has_error(x_)) qFatal("no X server on DISPLAY");
  const xcb_setup_t* setup = xcb_get_setup(x_);
  firstCode_ = setup->min_keycode;
  const auto cookie = xcb_get_keyboard_mapping(
      x_, firstCode_, static_cast<std::uint8_t>(setup->max_keycode - firstCode_ + 1));
  xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(x_, cookie, nullptr);
  if (!reply) qFatal("the X server gave no keyboard mapping");
  symbolsPerCode_ = reply->keysyms_per_keycode;
  const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(reply);
  symbols_.assign(symbols, symbols + xcb_get_keyboard_mapping_keysyms_length(reply));
  std::free(reply);
}

Keyboard::~Keyboard() {
  xcb_disconnect(x_);
}

xcb_keycode_t Keyboard::codeOf(xcb_keysym_t key) const {
  for (std::size_t i = 0; i < symbols_.size(); ++i) {
    if (symbols_[i] == key) return static_cast<xcb_keycode_t>(firstCode_ + i / symbolsPerCode_);
  }
  qFatal("no key of the X server's keyboard gives the symbol 0x%x", key);
}

void Keyboard::send(std::uint8_t type, xcb_keysym_t key) {
  xcb_test_fake_input(x_, type, codeOf(key), XCB_CURRENT_TIME, XCB_WINDOW_NONE, 0, 0, 0);
}

void Keyboard::press(xcb_keysym_t key, int times) {
  for (int i = 0; i < times; ++i) {
    send(XCB_KEY_PRESS, key);
    send(XCB_KEY_RELEASE, key);
  }
  xcb_flush(x_);
}

void Keyboard::pressWithShift(xcb_keysym_t key, int times) {
  send(XCB_KEY_PRESS, kShift);
  press(key, times);
  send(XCB_KEY_RELEASE, kShift);
  xcb_flush(x_);
}

void Keyboard::type(std::string_view digits) {
  for (const char digit : digits) press(static_cast<xcb_keysym_t>(digit));
}

}  // namespace umrak::gui_test
