#include "sessions/generator.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "form/form_description.h"
#include "form/roles.h"
#include "procedures/scroll_entry.h"
#include "sessions/random.h"
#include "sessions/texts.h"

namespace umrak::sessions {

namespace {

using C = core::ControlId;
using core::Kind;
using scenario::Step;

// The controls of the form that `keep` keeps, bottom-up (the stored order
// reversed): the order a seed has always drawn them in.
template <typename Keep>
std::vector<C> bottomUp(Keep keep) {
  std::vector<C> ids;
  const std::span<const core::ControlRecord> controls = form1::form1Description().controls;
  for (auto r = controls.rbegin(); r != controls.rend(); ++r) {
    if (keep(*r)) ids.push_back(r->id);
  }
  return ids;
}

bool hasRole(C id) {
  return std::ranges::find(form1::kRoles, id, &form1::Role::control) != std::end(form1::kRoles);
}

bool isNote(C id) {
  return id == form1::kFirstNoteBox || id == form1::kSecondNoteBox;
}

// What a session acts on.
struct Controls {
  std::vector<C> dateBoxes = bottomUp(
      [](const core::ControlRecord& r) { return r.kind == Kind::TextBox && !isNote(r.id); });
  std::vector<C> boxes =
      bottomUp([](const core::ControlRecord& r) { return r.kind == Kind::TextBox; });
  // Every button but the exit button, which has a weight of its own.
  std::vector<C> buttons = bottomUp([](const core::ControlRecord& r) {
    return r.kind == Kind::CommandButton && r.id != form1::kExitButton;
  });
  // The labels the procedures read and write.
  std::vector<C> labels =
      bottomUp([](const core::ControlRecord& r) { return r.kind == Kind::Label && hasRole(r.id); });
};

const Controls& controls() {
  static const Controls kControls;
  return kControls;
}

constexpr std::array<C, std::size(entry::kBarBoxes)> kBars = [] {
  std::array<C, std::size(entry::kBarBoxes)> bars{};
  std::ranges::transform(entry::kBarBoxes, bars.begin(), &entry::BarAndBox::bar);
  return bars;
}();

// Failure statuses a control call may give: run-time errors carried as
// 0x800AXXXX, and negative statuses of other facilities that are their own
// number, such as 0x80004005, the unspecified failure.
constexpr core::Status kUnspecifiedFailure = static_cast<core::Status>(0x80004005u);
constexpr std::array<core::Status, 5> kStatuses{
    core::failureStatusOf(core::error::kInvalidProcedureCall, -1),
    core::failureStatusOf(core::error::kInvalidPropertyValue, -1),
    core::failureStatusOf(core::error::kOverflow, -1),
    kUnspecifiedFailure,
    -1,
};

template <typename Items>
auto pick(Random& random, const Items& items) {
  return random.pick(std::span<const typename Items::value_type>(items));
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
      if (click && click->button == form1::kExitButton) break;
    }
    return script;
  }

 private:
  static std::size_t barIndex(C bar) {
    return static_cast<std::size_t>(std::ranges::find(kBars, bar) - kBars.begin());
  }

  Step next() {
    const std::uint64_t roll = random_.below(100);
    if (roll < 30) return scenario::Type{pick(random_, controls().dateBoxes), dateText(random_)};
    if (roll < 58) return scenario::Click{pick(random_, controls().buttons)};
    if (roll < 59) return scenario::Click{form1::kExitButton};
    if (roll < 75) return moveBar();
    if (roll < 80) return clipboard();
    if (roll < 87) return scenario::Paste{pick(random_, controls().dateBoxes)};
    if (roll < 90) return scenario::MiddleClick{pick(random_, controls().boxes)};
    if (options_.failures) return failure();
    return scenario::Click{pick(random_, controls().buttons)};
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
        return scenario::Fail{pick(random_, controls().dateBoxes), op, status};
      }
      case 1: {
        const core::Op op = random_.chance(50) ? core::Op::GetCaption : core::Op::SetCaption;
        return scenario::Fail{pick(random_, controls().labels), op, status};
      }
    }
    return scenario::Fail{pick(random_, kBars), core::Op::GetValue, status};
  }

  Random random_;
  SessionOptions options_;
  std::array<core::ScrollSettings, kBars.size()> bars_{};
};

}  // namespace

scenario::Script generateSession(std::uint64_t seed, const SessionOptions& options) {
  return SessionMaker(seed, options).make();
}

}  // namespace umrak::sessions
