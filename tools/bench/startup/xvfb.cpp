#include "bench/startup/xvfb.h"

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>
#include <system_error>
#include <vector>

extern char** environ;

namespace umrak::startup {

namespace {

// Xvfb writes the display number and a line feed once it accepts clients;
// the pipe closes empty when it fails to start.
std::string readDisplayNumber(int fd) {
  std::string number;
  char c = 0;
  while (read(fd, &c, 1) == 1 && c != '\n') number += c;
  return number;
}

std::vector<std::string> ownEnvironment() {
  std::vector<std::string> environment;
  for (char** e = environ; *e; ++e) environment.emplace_back(*e);
  return environment;
}

}  // namespace

Xvfb::Xvfb(const std::string& screen, const std::string& logPath) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
  try {
    server_ = std::make_unique<ChildProcess>(
        "Xvfb",
        std::vector<std::string>{"-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp",
                                 "-noreset"},
        ownEnvironment(), logPath, fds[1]);
  } catch (...) {
    close(fds[0]);
    close(fds[1]);
    throw;
  }
  close(fds[1]);
  const std::string number = readDisplayNumber(fds[0]);
  close(fds[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start; see " + logPath);
  display_ = ":" + number;
}

}  // namespace umrak::startup
