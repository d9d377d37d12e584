#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "events/form1.h"
#include "runtime/utf.h"

namespace umrak::unit {

// Form1 as a user meets it: typing, clicks and bar moves go through its
// dispatcher, and every error it reports is kept. Texts are UTF-8 here so
// that a failing expectation prints readable Arabic.
class Session {
 public:
  using C = core::ControlId;

  core::FormModel& model() { return form_.model(); }
  void type(C id, std::string_view utf8) { model().userSetText(id, core::utf8ToUtf16(utf8)); }
  std::string shown(C id) { return core::utf16ToUtf8(model().text(id)); }

  // Types texts[i] into ids[i], one box or label after the other.
  template <std::size_t N>
  void typeAll(const std::array<C, N>& ids, const std::array<const char*, N>& texts) {
    for (std::size_t i = 0; i < N; ++i) type(ids[i], texts[i]);
  }
  template <std::size_t N>
  void expectShown(const std::array<C, N>& ids, const std::array<const char*, N>& texts) {
    for (std::size_t i = 0; i < N; ++i) {
      EXPECT_EQ(shown(ids[i]), texts[i]) << core::controlName(ids[i]);
    }
  }

  core::Outcome raise(C id, core::Event event) { return form_.raise(id, event); }
  core::Outcome click(C button) { return raise(button, core::Event::Click); }
  core::Outcome change(C bar, std::int16_t value) {
    model().userSetValue(bar, value);
    return raise(bar, core::Event::Change);
  }
  core::Outcome dragTo(C bar, std::int16_t value) {
    model().userSetValue(bar, value);
    return raise(bar, core::Event::Scroll);
  }

  const std::vector<core::RunError>& reports() const { return reporter_.errors; }
  std::vector<std::int32_t> errors() const {
    std::vector<std::int32_t> numbers;
    for (const core::RunError& e : reporter_.errors) numbers.push_back(e.number);
    return numbers;
  }
  // Every text and caption on the form, in stored order.
  std::vector<std::u16string> everything() {
    std::vector<std::u16string> all;
    for (std::size_t i = 0; i < core::kControlCount; ++i) {
      all.push_back(model().text(static_cast<C>(i)));
    }
    return all;
  }

 private:
  core::RecordingReporter reporter_;
  form1::Form1 form_{reporter_};
};

// An error the way a failing control call reports it: 0x800A0000 plus the number.
constexpr core::Status vbError(std::int32_t number) {
  return static_cast<core::Status>(0x800A0000u | static_cast<std::uint32_t>(number));
}

}  // namespace umrak::unit
