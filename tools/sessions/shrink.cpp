#include "sessions/shrink.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace umrak::sessions {

namespace {

// A text to shrink rarely needs more tries than this; a megabyte would.
constexpr int kTriesPerText = 400;

// Zeller's ddmin over a sequence: keeps removing chunks, at ever finer
// granularity, for as long as what is left still fails.
template <typename Sequence, typename Test>
Sequence minimize(Sequence items, const Test& fails, int budget) {
  std::size_t chunks = 2;
  while (items.size() >= 2 && budget > 0) {
    const std::size_t size = items.size();
    chunks = std::min(chunks, size);
    bool removed = false;
    for (std::size_t c = 0; c < chunks && budget > 0; ++c) {
      const std::size_t from = size * c / chunks;
      const std::size_t to = size * (c + 1) / chunks;
      Sequence rest(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(from));
      rest.insert(rest.end(), items.begin() + static_cast<std::ptrdiff_t>(to), items.end());
      --budget;
      if (fails(rest)) {
        items = std::move(rest);
        chunks = std::max<std::size_t>(chunks - 1, 2);
        removed = true;
        break;
      }
    }
    if (removed) continue;
    if (chunks >= size) break;
    chunks = std::min(size, chunks * 2);
  }
  if (items.size() == 1 && budget > 0 && fails(Sequence{})) items.clear();
  return items;
}

std::u16string* textOf(scenario::Step& step) {
  if (auto* t = std::get_if<scenario::Type>(&step)) return &t->text;
  if (auto* c = std::get_if<scenario::SetClipboard>(&step)) return c->text ? &*c->text : nullptr;
  return nullptr;
}

}  // namespace

scenario::Script shrink(scenario::Script session, const StillFails& stillFails) {
  session = minimize(session, stillFails, std::numeric_limits<int>::max());
  for (std::size_t i = 0; i < session.size(); ++i) {
    if (textOf(session[i].step) == nullptr) continue;
    const auto withText = [&](const std::u16string& text) {
      scenario::Script candidate = session;
      *textOf(candidate[i].step) = text;
      return candidate;
    };
    const std::u16string text = *textOf(session[i].step);
    const std::u16string shorter = minimize(
        text, [&](const std::u16string& t) { return stillFails(withText(t)); }, kTriesPerText);
    session = withText(shorter);
  }
  for (std::size_t i = 0; i < session.size(); ++i) session[i].line = static_cast<int>(i) + 1;
  return session;
}

}  // namespace umrak::sessions
