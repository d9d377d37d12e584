#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "scenario/window_factory.h"
#include "sessions/cli/crash_note.h"
#include "sessions/run.h"

namespace umrak {

namespace {

constexpr int kUsageError = 2;

constexpr std::string_view kUsage =
    "usage: umrak-sessions [--seed N] [--count N] [--actions N] [--window] [--print]\n"
    "Plays random user sessions and reports each failing one, shrunk, as a scenario file.\n"
    "  --seed N     the first session's seed; session i has seed N + i (default 1)\n"
    "  --count N    how many sessions (default 1000)\n"
    "  --actions N  at most this many actions a session (default 30)\n"
    "  --window     play each session through the window too and compare after every action\n"
    "  --print      write each session as a scenario file before it is played\n";

bool number(std::string_view text, std::uint64_t& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

bool parse(int argc, char** argv, sessions::RunOptions& o, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view a = argv[i];
    const bool valued = a == "--seed" || a == "--count" || a == "--actions";
    if (valued) {
      std::uint64_t n = 0;
      if (i + 1 == argc || !number(argv[i + 1], n)) {
        error = std::string(a) + " needs a whole number";
        return false;
      }
      ++i;
      if (a == "--seed") o.seed = n;
      if (a == "--count") o.count = n;
      if (a == "--actions")
        o.maxActions =
            static_cast<int>(std::max<std::uint64_t>(1, std::min<std::uint64_t>(n, 100000)));
    } else if (a == "--window") {
      o.window = true;
    } else if (a == "--print") {
      o.print = true;
    } else {
      error = a == "--help" || a == "-h" ? "" : "unknown option " + std::string(a);
      return false;
    }
  }
  return true;
}

}  // namespace

int programMain(int argc, char** argv) {
  sessions::RunOptions options;
  std::string error;
  if (!parse(argc, argv, options, error)) {
    (error.empty() ? std::cout : std::cerr)
        << (error.empty() ? "" : "umrak-sessions: " + error + "\n") << kUsage;
    return error.empty() ? 0 : kUsageError;
  }
  const scenario::DriverFactory window = options.window ? scenario::windowDriverFactory() : nullptr;
  if (options.window && !window) {
    std::cerr << "umrak-sessions: --window is not available: this build has no window driver\n";
    return kUsageError;
  }
  sessions::noteCrashes(options.window ? " --window" : "");
  const auto start = std::chrono::steady_clock::now();
  const sessions::RunSummary s = sessions::runSessions(options, window, std::cout);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::printf("%llu sessions, %llu actions in %.1f s: %llu passed, %llu failed\n",
              static_cast<unsigned long long>(s.sessions),
              static_cast<unsigned long long>(s.actions), took.count(),
              static_cast<unsigned long long>(s.sessions - s.failed),
              static_cast<unsigned long long>(s.failed));
  return s.failed == 0 ? 0 : 1;
}

}  // namespace umrak

int main(int argc, char* argv[]) {
  return umrak::programMain(argc, argv);
}
