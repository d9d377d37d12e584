#pragma once

#include <memory>
#include <string>

#include "bench/startup/child_process.h"

namespace umrak::startup {

// A private X server, asked to pick a free display itself (-displayfd), so
// that nothing else draws on it and no display number is guessed.
class Xvfb {
 public:
  Xvfb(const std::string& screen, const std::string& logPath);

  const std::string& display() const { return display_; }

 private:
  std::unique_ptr<ChildProcess> server_;
  std::string display_;
};

}  // namespace umrak::startup
