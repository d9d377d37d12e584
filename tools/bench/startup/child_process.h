#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace umrak::startup {

// A program started with exactly the given environment, in a process group of
// its own, its output going to a log file. The pidfd lets an event loop wait
// for its end.
class ChildProcess {
 public:
  // `passed`, when not -1, is a descriptor the program gets as descriptor 3.
  ChildProcess(const std::string& path, const std::vector<std::string>& args,
               const std::vector<std::string>& environment, const std::string& logPath,
               int passed = -1);
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  int pidfd() const { return pidfd_; }
  bool hasEnded() const;
  // Ends the program's process group: SIGTERM, then SIGKILL to whatever of
  // it still runs after `grace`.
  void end(std::chrono::milliseconds grace = std::chrono::seconds(5));
  // What the program used in all, known once it has ended.
  struct Usage {
    long peakKiB = 0;  // peak resident size
    double cpuMs = 0;  // user and system time
  };
  // Waits for the end and returns what the program used; the exit status is
  // kept for exitedCleanly().
  Usage reap();
  bool exitedCleanly() const { return cleanExit_; }

 private:
  pid_t pid_ = -1;
  int pidfd_ = -1;
  bool reaped_ = false;
  bool cleanExit_ = false;
};

}  // namespace umrak::startup
