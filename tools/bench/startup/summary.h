#pragma once

#include <string>
#include <vector>

#include "bench/startup/marks.h"

namespace umrak::startup {

// What one run of one program showed; times in milliseconds from exec.
struct Sample {
  double mappedMs = -1;   // negative: never mapped
  double paintedMs = -1;  // negative: never painted
  double peakMiB = 0;
  double cpuMs = 0;
  bool closedCleanly = false;
  std::vector<Mark> marks;  // with --phases
};

struct ProgramResults {
  std::string label;
  std::vector<Sample> samples;
};

// A table of medians (and the middle half of the paint times), one line per
// program, with the count of runs that failed to paint or to close.
void printSummary(const std::vector<ProgramResults>& results);

// Whether every run painted its window and ended by itself, cleanly, once
// asked to close.
bool everyRunPaintedAndClosed(const std::vector<ProgramResults>& results);

// Per program, the median of each step the phase marks noted: when it was
// first entered and returned, and the time spent inside it in all.
void printPhases(const std::vector<ProgramResults>& results);

}  // namespace umrak::startup
