#include "bench/startup/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>
#include <system_error>

namespace umrak::startup {

namespace {

std::vector<char*> pointersTo(const std::vector<std::string>& strings) {
  std::vector<char*> out;
  for (const std::string& s : strings) out.push_back(const_cast<char*>(s.c_str()));
  out.push_back(nullptr);
  return out;
}

[[noreturn]] void fail(int error, const std::string& what) {
  throw std::system_error(error, std::generic_category(), what);
}

}  // namespace

ChildProcess::ChildProcess(const std::string& path, const std::vector<std::string>& args,
                           const std::vector<std::string>& environment, const std::string& logPath,
                           int passed) {
  std::vector<std::string> argv{path};
  argv.insert(argv.end(), args.begin(), args.end());
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(),
                                   O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  if (passed >= 0) posix_spawn_file_actions_adddup2(&actions, passed, 3);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  const int error = posix_spawnp(&pid_, path.c_str(), &actions, &attributes,
                                 pointersTo(argv).data(), pointersTo(environment).data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) fail(error, "cannot start " + path);
  // Called directly: glibc 2.36 declares pidfd_open without C linkage for C++.
  pidfd_ = static_cast<int>(syscall(SYS_pidfd_open, pid_, 0));
  if (pidfd_ < 0) fail(errno, "pidfd_open");
}

ChildProcess::~ChildProcess() {
  if (!reaped_) {
    end();
    reap();
  }
  if (pidfd_ >= 0) close(pidfd_);
}

bool ChildProcess::hasEnded() const {
  pollfd fd{pidfd_, POLLIN, 0};
  return poll(&fd, 1, 0) == 1;
}

// Until the leader is reaped, its process group id names the group.
void ChildProcess::end(std::chrono::milliseconds grace) {
  if (reaped_) return;
  killpg(pid_, SIGTERM);
  pollfd fd{pidfd_, POLLIN, 0};
  poll(&fd, 1, static_cast<int>(grace.count()));
  killpg(pid_, SIGKILL);
}

ChildProcess::Usage ChildProcess::reap() {
  int status = 0;
  rusage usage{};
  if (wait4(pid_, &status, 0, &usage) < 0) fail(errno, "wait4");
  reaped_ = true;
  cleanExit_ = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  const auto ms = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
  };
  return {usage.ru_maxrss, ms(usage.ru_utime) + ms(usage.ru_stime)};
}

}  // namespace umrak::startup
