#include "bench/startup/xvfb.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#include <system_error>
#include <vector>

extern char** environ;

namespace umrak::startup {

namespace {

// The descriptor number Xvfb sees the pipe under.
constexpr int kDisplayFd = 3;

// Xvfb writes the display number and a line feed once it accepts clients;
// the pipe closes empty when it fails to start.
std::string readDisplayNumber(int fd) {
  std::string number;
  char c = 0;
  while (read(fd, &c, 1) == 1 && c != '\n') number += c;
  return number;
}

}  // namespace

Xvfb::Xvfb(const std::string& screen, const std::string& logPath) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], kDisplayFd);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  std::vector<std::string> args{"Xvfb",      "-displayfd", std::to_string(kDisplayFd),
                                "-screen",   "0",          screen,
                                "-nolisten", "tcp",        "-noreset"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  const int error = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (error != 0) {
    close(fds[0]);
    throw std::system_error(error, std::generic_category(), "cannot start Xvfb");
  }
  const std::string number = readDisplayNumber(fds[0]);
  close(fds[0]);
  if (number.empty()) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    throw std::runtime_error("Xvfb did not start; see " + logPath);
  }
  display_ = ":" + number;
}

Xvfb::~Xvfb() {
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

}  // namespace umrak::startup
