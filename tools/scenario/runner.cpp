#include "scenario/runner.h"

#include <algorithm>
#include <deque>
#include <string>

#include "scenario/perform.h"
#include "scenario/quoting.h"

namespace umrak::scenario {

namespace {

std::string describe(const core::RunError& e) {
  return std::to_string(e.number) + " (" + e.message + ")";
}

class Run {
 public:
  explicit Run(Driver& driver) : driver_(driver) {}

  std::vector<Finding> operator()(const Script& script) {
    for (const Command& c : script) {
      line_ = c.line;
      if (isAction(c.step)) claimErrors(c.line);
      try {
        std::visit([this](const auto& step) { perform(step); }, c.step);
      } catch (const CannotPerform& e) {
        note(std::string(e.what()) + "; the rest of the file is not run");
        break;
      }
      if (isAction(c.step)) collectErrors();
    }
    claimErrors(0);
    std::ranges::stable_sort(findings_, {}, &Finding::line);
    return std::move(findings_);
  }

 private:
  // A user's action, played as it stands.
  template <typename Action>
  void perform(const Action& s) {
    scenario::perform(driver_, s);
  }

  void perform(const Change& s) {
    const std::int16_t at = driver_.value(s.bar);
    if (at == s.value) {
      const std::string name(core::controlName(s.bar));
      return note("change " + name + " " + std::to_string(s.value) +
                  " does not move the bar: " + name + " already stands at " + std::to_string(at));
    }
    scenario::perform(driver_, s);
  }

  void perform(const ExpectShown& s) {
    const std::u16string actual = driver_.shown(s.control);
    if (actual != s.text)
      mismatch(core::controlName(s.control), quoteText(s.text), quoteText(actual));
  }

  void perform(const ExpectValue& s) {
    const std::int16_t actual = driver_.value(s.bar);
    if (actual != s.value) {
      mismatch(core::controlName(s.bar), std::to_string(s.value), std::to_string(actual));
    }
  }

  void perform(const ExpectPrinted& s) {
    const int actual = driver_.printedCount();
    if (actual != s.count) {
      mismatch("printed", std::to_string(s.count) + " times", std::to_string(actual) + " times");
    }
  }

  void perform(const ExpectEnded&) {
    if (!driver_.ended()) mismatch("program", "ended", "still running");
  }

  void perform(const ExpectError& s) {
    const std::string expected = std::to_string(s.number);
    if (actionLine_ == 0) return note("error " + expected + " follows no action");
    if (pending_.empty()) {
      return mismatch("run-time error", expected, claimed_ ? "no further error" : "no error");
    }
    const core::RunError got = pending_.front();
    pending_.pop_front();
    claimed_ = true;
    if (got.number != s.number) mismatch("run-time error", expected, describe(got));
  }

  void perform(const Fail& s) {
    if (!scenario::perform(driver_, s)) {
      note("this driver cannot make a property operation fail");
    }
  }

  // Errors of the previous action that no `error` line claimed.
  void claimErrors(int nextAction) {
    for (const core::RunError& e : pending_) {
      findings_.push_back({actionLine_, "run-time error: expected none, actual " + describe(e)});
    }
    pending_.clear();
    claimed_ = false;
    actionLine_ = nextAction;
  }

  void collectErrors() {
    for (core::RunError& e : driver_.takeErrors()) pending_.push_back(std::move(e));
    for (std::string& held : driver_.takeUnreleased()) note(std::move(held));
  }

  void mismatch(std::string_view subject, const std::string& expected, const std::string& actual) {
    note(std::string(subject) + ": expected " + expected + ", actual " + actual);
  }

  void note(std::string message) { findings_.push_back({line_, std::move(message)}); }

  Driver& driver_;
  int line_ = 0;
  int actionLine_ = 0;
  bool claimed_ = false;
  std::deque<core::RunError> pending_;
  std::vector<Finding> findings_;
};

}  // namespace

std::vector<Finding> runScript(const Script& script, Driver& driver) {
  return Run(driver)(script);
}

}  // namespace umrak::scenario
