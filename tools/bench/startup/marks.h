#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace umrak::startup {

// One step that the preloaded phase marks noted in a run, in milliseconds
// from exec: when it was first entered and first returned, how often it was
// called and the time spent inside it in all.
struct Mark {
  std::string step;
  double enteredMs = 0;
  double returnedMs = 0;
  long calls = 0;
  double insideMs = 0;
};

// The marks a run wrote to `path`, relative to `start` (steady clock); none
// when it wrote nothing.
std::vector<Mark> readMarks(const std::string& path, std::chrono::steady_clock::time_point start);

// The preloadable library of phase marks, built beside the harness.
std::string marksLibrary();

}  // namespace umrak::startup
