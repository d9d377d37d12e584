#pragma once

#include <sys/types.h>

#include <string>

namespace umrak::startup {

// A private X server, asked to pick a free display itself (-displayfd), so
// that nothing else draws on it and no display number is guessed.
class Xvfb {
 public:
  Xvfb(const std::string& screen, const std::string& logPath);
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;
  ~Xvfb();

  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace umrak::startup
