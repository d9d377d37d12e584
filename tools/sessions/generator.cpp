#include "sessions/generator.h"

#include <algorithm>
#include <array>
#include <span>

#include "form/form_description.h"
#include "sessions/random.h"
#include "sessions/texts.h"

namespace umrak::sessions {

namespace {

using C = core::ControlId;
using scenario::Step;

constexpr std::array<C, 6> kDateBoxes{C::Text1, C::Text2, C::Text3, C::Text4, C::Text5, C::Text6};
constexpr std::array<C, 8> kBoxes{C::Text1, C::Text2, C::Text3, C::Text4,
                                  C::Text5, C::Text6, C::Text7, C::Text8};
// Every button but the exit button, which has a weight of its own.
constexpr std::array<C, 18> kButtons{
    C::Command1,  C::Command2,  C::Command3,  C::Command4,  C::Command5,  C::Command6,
    C::Command7,  C::Command8,  C::Command9,  C::Command10, C::Command11, C::Command13,
    C::Command14, C::Command15, C::Command16, C::Command17, C::Command18, C::Command19};
constexpr std::array<C, 4> kBars{C::VScroll1, C::scroll, C::HScroll1, C::VScroll2};
constexpr std::array<C, 7> kLabels{C::Label7,  C::Label8,  C::Label10, C::Label12,
                                   C::Label13, C::Label18, C::Label19};

// Failure statuses: run-time errors carried as 0x800AXXXX, and plain
// negative statuses that are their own number.
constexpr std::array<core::Status, 5> kStatuses{-2146828283, -2146827908, -2146828282, -2147467259,
                                                -1};

template <typename T, std::size_t N>
T pick(Random& random, const std::array<T, N>& items) {
  return random.pick(std::span<const T>(items));
}

class SessionMaker {
 public:
  SessionMaker(std::uint64_t seed, const SessionOptions& options)
      : random_(seed), options_(options) {
    for (const core::ControlRecord& r : form1::form1Description().controls) {
      if (core::isScrollBar(r.kind)) bars_[barIndex(r.id)] = r.scroll;
    }
  }

  scenario::Script make() {
    scenario::Script script;
    const int actions = random_.between(1, options_.maxActions);
    for (int i = 0; i < actions; ++i) {
      const Step step = next();
      script.push_back({static_cast<int>(script.size()) + 1, step});
      const auto* click = std::get_if<scenario::Click>(&step);
      if (click && click->button == C::Command12) break;
    }
    return script;
  }

 private:
  static std::size_t barIndex(C bar) {
    return static_cast<std::size_t>(std::ranges::find(kBars, bar) - kBars.begin());
  }

  Step next() {
    const std::uint64_t roll = random_.below(100);
    if (roll < 30) return scenario::Type{pick(random_, kDateBoxes), dateText(random_)};
    if (roll < 58) return scenario::Click{pick(random_, kButtons)};
    if (roll < 59) return scenario::Click{C::Command12};
    if (roll < 75) return moveBar();
    if (roll < 80) return clipboard();
    if (roll < 87) return scenario::Paste{pick(random_, kDateBoxes)};
    if (roll < 90) return scenario::MiddleClick{pick(random_, kBoxes)};
    if (options_.failures) return failure();
    return scenario::Click{pick(random_, kButtons)};
  }

  // Arrow and trough clicks go a few steps; a drag goes anywhere, also
  // nowhere.
  Step moveBar() {
    const C bar = pick(random_, kBars);
    core::ScrollSettings& s = bars_[barIndex(bar)];
    const int kind = static_cast<int>(random_.below(3));
    if (kind == 2) {
      s.value = static_cast<std::int16_t>(random_.between(s.min, s.max));
      return scenario::Scroll{bar, s.value};
    }
    int to = s.value;
    while (to == s.value) {
      to = std::clamp(s.value + random_.between(-3, 3), static_cast<int>(s.min),
                      static_cast<int>(s.max));
    }
    s.value = static_cast<std::int16_t>(to);
    return scenario::Change{bar, s.value,
                            kind == 0 ? scenario::Via::Arrows : scenario::Via::Trough};
  }

  Step clipboard() {
    if (random_.chance(30)) return scenario::SetClipboard{std::nullopt};
    return scenario::SetClipboard{dateText(random_)};
  }

  Step failure() {
    const core::Status status = pick(random_, kStatuses);
    switch (random_.below(3)) {
      case 0: {
        const core::Op op = random_.chance(70) ? core::Op::GetText : core::Op::SetText;
        return scenario::Fail{pick(random_, kDateBoxes), op, status};
      }
      case 1: {
        const core::Op op = random_.chance(50) ? core::Op::GetCaption : core::Op::SetCaption;
        return scenario::Fail{pick(random_, kLabels), op, status};
      }
    }
    return scenario::Fail{pick(random_, kBars), core::Op::GetValue, status};
  }

  Random random_;
  SessionOptions options_;
  std::array<core::ScrollSettings, 4> bars_{};
};

}  // namespace

scenario::Script generateSession(std::uint64_t seed, const SessionOptions& options) {
  return SessionMaker(seed, options).make();
}

}  // namespace umrak::sessions
