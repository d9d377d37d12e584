#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "scenario/driver.h"

namespace umrak::scenario {

struct Options {
  bool window = false;                    // replay through the real window
  std::optional<std::string> screenshot;  // with the window: save it at the end
  std::vector<std::string> files;
};

struct ParsedOptions {
  Options options;
  std::string error;  // empty when the arguments made sense
  bool help = false;
};

ParsedOptions parseOptions(std::span<const std::string> args);

struct Summary {
  int passed = 0;
  int failed = 0;
};

// Replays each file on a fresh program from `start`, writing one line per
// finding (FILE:LINE: message) to `out`. The driver of the last file is
// kept in `last` for whatever the caller wants of it at the end.
Summary runFiles(std::span<const std::string> files, const DriverFactory& start, std::ostream& out,
                 std::unique_ptr<Driver>* last = nullptr);

// The whole program: options, the files, the `N passed, N failed` line and
// the exit status. `window` is empty in a build without the window driver.
int runCommandLine(std::span<const std::string> args, const DriverFactory& window,
                   std::ostream& out, std::ostream& err);

}  // namespace umrak::scenario
