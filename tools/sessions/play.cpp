#include "sessions/play.h"

#include <algorithm>
#include <array>
#include <exception>

#include "form/form_description.h"
#include "scenario/headless_driver.h"
#include "scenario/perform.h"
#include "scenario/quoting.h"

namespace umrak::sessions {

namespace {

using C = core::ControlId;
using scenario::Driver;

// Everything the user can see of the program after an action.
struct View {
  std::array<std::u16string, core::kControlCount> shown;   // boxes and labels
  std::array<std::int16_t, core::kControlCount> values{};  // bars
  int printed = 0;
  int position = 0;
  bool ended = false;
  std::vector<core::RunError> errors;
};

bool showsText(core::Kind kind) {
  return kind == core::Kind::TextBox || kind == core::Kind::Label;
}

View look(Driver& d, const core::FormDescription& form) {
  View v;
  for (const core::ControlRecord& r : form.controls) {
    if (showsText(r.kind)) v.shown[core::indexOf(r.id)] = d.shown(r.id);
    if (core::isScrollBar(r.kind)) v.values[core::indexOf(r.id)] = d.value(r.id);
  }
  v.printed = d.printedCount();
  v.position = d.printPosition();
  v.ended = d.ended();
  v.errors = d.takeErrors();
  return v;
}

std::string describe(const std::vector<core::RunError>& errors) {
  if (errors.empty()) return "no error";
  std::string out;
  for (const core::RunError& e : errors) {
    out += (out.empty() ? "" : ", ") + std::to_string(e.number) + " (" + e.message + ")";
  }
  return out;
}

bool sameErrors(const std::vector<core::RunError>& a, const std::vector<core::RunError>& b) {
  return std::ranges::equal(a, b, [](const core::RunError& x, const core::RunError& y) {
    return x.number == y.number && x.message == y.message;
  });
}

// The first way in which the window differs from the model, if any.
std::optional<Failure> differences(const View& model, const View& window,
                                   const core::FormDescription& form, std::size_t action) {
  const auto failure = [&](std::string subject, std::string message,
                           std::vector<scenario::Step> expect) {
    return Failure{action, std::move(subject), std::move(message), std::move(expect)};
  };
  if (!sameErrors(model.errors, window.errors)) {
    std::vector<scenario::Step> expect;
    for (const core::RunError& e : model.errors)
      expect.emplace_back(scenario::ExpectError{e.number});
    return failure(
        "errors",
        "the model reports " + describe(model.errors) + ", the window " + describe(window.errors),
        std::move(expect));
  }
  for (const core::ControlRecord& r : form.controls) {
    const std::size_t i = core::indexOf(r.id);
    const std::string name(core::controlName(r.id));
    if (showsText(r.kind) && model.shown[i] != window.shown[i]) {
      return failure(name,
                     name + ": the model shows " + scenario::shortQuote(model.shown[i]) +
                         ", the window " + scenario::shortQuote(window.shown[i]),
                     {scenario::ExpectShown{r.id, model.shown[i]}});
    }
    if (core::isScrollBar(r.kind) && model.values[i] != window.values[i]) {
      return failure(name,
                     name + ": the model stands at " + std::to_string(model.values[i]) +
                         ", the window at " + std::to_string(window.values[i]),
                     {scenario::ExpectValue{r.id, model.values[i]}});
    }
  }
  if (model.printed != window.printed || model.position != window.position) {
    return failure("printed",
                   "printing: the model printed " + std::to_string(model.printed) +
                       " times up to line " + std::to_string(model.position) + ", the window " +
                       std::to_string(window.printed) + " times up to line " +
                       std::to_string(window.position),
                   {scenario::ExpectPrinted{model.printed}});
  }
  if (model.ended != window.ended) {
    std::vector<scenario::Step> expect;
    if (model.ended) expect.emplace_back(scenario::ExpectEnded{});
    return failure("ended",
                   std::string("the program has ") + (model.ended ? "" : "not ") +
                       "ended in the model, " + (window.ended ? "" : "not ") + "in the window",
                   std::move(expect));
  }
  return std::nullopt;
}

std::optional<Failure> unreleased(Driver& d, const char* where, std::size_t action) {
  const std::vector<std::string> held = d.takeUnreleased();
  if (held.empty()) return std::nullopt;
  return Failure{action, "unreleased", std::string(where) + ": " + held.front(), {}};
}

}  // namespace

std::optional<Failure> playOnModel(const scenario::Script& session) {
  scenario::HeadlessDriver model;
  for (std::size_t i = 0; i < session.size(); ++i) {
    try {
      scenario::perform(model, session[i].step);
    } catch (const std::exception& e) {
      return Failure{
          i, "escaped", std::string("an exception escaped the program: ") + e.what(), {}};
    }
    model.takeErrors();
    if (auto f = unreleased(model, "model", i)) return f;
  }
  return std::nullopt;
}

std::optional<Failure> playSideBySide(const scenario::Script& session,
                                      const scenario::DriverFactory& start) {
  const core::FormDescription& form = form1::form1Description();
  scenario::HeadlessDriver model;
  const std::unique_ptr<Driver> window = start();
  for (std::size_t i = 0; i < session.size(); ++i) {
    scenario::perform(model, session[i].step);
    try {
      scenario::perform(*window, session[i].step);
    } catch (const scenario::CannotPerform& e) {
      return Failure{i, "entry", std::string("the window cannot do it: ") + e.what(), {}};
    }
    if (auto f = unreleased(model, "model", i)) return f;
    if (auto f = unreleased(*window, "window", i)) return f;
    if (auto f = differences(look(model, form), look(*window, form), form, i)) return f;
  }
  return std::nullopt;
}

}  // namespace umrak::sessions
