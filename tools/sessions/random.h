#pragma once

#include <cstdint>
#include <random>
#include <span>

namespace umrak::sessions {

// The one source of chance in a session. The engine's sequence is fixed by
// the standard, and draws use nothing library-specific, so a seed gives the
// same session with every compiler.
class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}

  // 0 <= result < n, for n > 0.
  std::uint64_t below(std::uint64_t n) { return engine_() % n; }
  int between(int low, int high) {
    return low + static_cast<int>(below(static_cast<std::uint64_t>(high - low) + 1));
  }
  // True `percent` times in a hundred.
  bool chance(int percent) { return below(100) < static_cast<std::uint64_t>(percent); }
  // True once in `n` draws, on average.
  bool oneIn(std::uint64_t n) { return below(n) == 0; }

  template <typename T>
  const T& pick(std::span<const T> items) {
    return items[below(items.size())];
  }

 private:
  std::mt19937_64 engine_;
};

}  // namespace umrak::sessions
