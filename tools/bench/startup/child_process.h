#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace umrak::startup {

// A program started with exactly the given environment, its output going to
// a log file. The pidfd lets an event loop wait for its end.
class ChildProcess {
 public:
  ChildProcess(const std::string& path, const std::vector<std::string>& args,
               const std::vector<std::string>& environment, const std::string& logPath);
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  int pidfd() const { return pidfd_; }
  bool hasEnded() const;
  void kill();
  // Waits for the end and returns the peak resident size in KiB; the exit
  // status is kept for exitedCleanly().
  long reap();
  bool exitedCleanly() const { return cleanExit_; }

 private:
  pid_t pid_ = -1;
  int pidfd_ = -1;
  bool reaped_ = false;
  bool cleanExit_ = false;
};

}  // namespace umrak::startup
