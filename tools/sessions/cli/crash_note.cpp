#include "sessions/cli/crash_note.h"

#include <unistd.h>

#include <array>
#include <charconv>
#include <csignal>
#include <cstring>

#include "sessions/run.h"

// Present only in a build with a sanitizer runtime.
extern "C" void __sanitizer_set_death_callback(void (*callback)()) __attribute__((weak));

namespace umrak::sessions {

namespace {

const char* rerunOptions = "";

void write(const char* text) {
  [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, text, std::strlen(text));
}

// Signal-safe: no allocation, no stdio.
void tell() {
  std::array<char, 24> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size() - 1, currentSeed());
  *end.ptr = '\0';
  write("umrak-sessions: died in session ");
  write(digits.data());
  write("; play it again with --seed ");
  write(digits.data());
  write(" --count 1 --print");
  write(rerunOptions);
  write("\n");
}

void onSignal(int signal) {
  tell();
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

}  // namespace

void noteCrashes(const char* rerun) {
  rerunOptions = rerun;
  for (const int s : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL}) std::signal(s, onSignal);
  if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(tell);
}

}  // namespace umrak::sessions
