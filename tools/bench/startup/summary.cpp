#include "bench/startup/summary.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace umrak::startup {

namespace {

// Linear interpolation between order statistics; NaN for no values.
double quantile(std::vector<double> values, double q) {
  if (values.empty()) return std::numeric_limits<double>::quiet_NaN();
  std::sort(values.begin(), values.end());
  const double pos = q * static_cast<double>(values.size() - 1);
  const auto below = static_cast<std::size_t>(pos);
  const std::size_t above = std::min(below + 1, values.size() - 1);
  return values[below] + (pos - static_cast<double>(below)) * (values[above] - values[below]);
}

struct Columns {
  std::vector<double> mapped, painted, peak, cpu;
  int unpainted = 0;
  int unclosed = 0;
};

Columns columnsOf(const ProgramResults& program) {
  Columns c;
  for (const Sample& s : program.samples) {
    if (s.mappedMs >= 0) c.mapped.push_back(s.mappedMs);
    if (s.paintedMs >= 0) {
      c.painted.push_back(s.paintedMs);
    } else {
      ++c.unpainted;
    }
    if (!s.closedCleanly) ++c.unclosed;
    c.peak.push_back(s.peakMiB);
    c.cpu.push_back(s.cpuMs);
  }
  return c;
}

}  // namespace

void printSummary(const std::vector<ProgramResults>& results) {
  std::printf("%-28s %5s %10s %11s %15s %7s %9s %9s %9s\n", "program", "runs", "mapped ms",
              "painted ms", "painted p25-75", "CPU ms", "peak MiB", "unpainted", "unclosed");
  for (const ProgramResults& program : results) {
    const Columns c = columnsOf(program);
    char spread[32];
    std::snprintf(spread, sizeof spread, "%.1f-%.1f", quantile(c.painted, 0.25),
                  quantile(c.painted, 0.75));
    std::printf("%-28s %5zu %10.1f %11.1f %15s %7.1f %9.1f %9d %9d\n", program.label.c_str(),
                program.samples.size(), quantile(c.mapped, 0.5), quantile(c.painted, 0.5), spread,
                quantile(c.cpu, 0.5), quantile(c.peak, 0.5), c.unpainted, c.unclosed);
  }
}

bool everyRunPaintedAndClosed(const std::vector<ProgramResults>& results) {
  for (const ProgramResults& program : results) {
    const Columns c = columnsOf(program);
    if (c.unpainted > 0 || c.unclosed > 0) return false;
  }
  return true;
}

void printPhases(const std::vector<ProgramResults>& results) {
  for (const ProgramResults& program : results) {
    // Steps in the order the first run met them.
    std::vector<std::string> steps;
    for (const Sample& s : program.samples) {
      for (const Mark& m : s.marks) {
        if (std::find(steps.begin(), steps.end(), m.step) == steps.end()) steps.push_back(m.step);
      }
    }
    std::printf("\n%s, medians in ms from exec:\n%-16s %8s %9s %7s %10s\n", program.label.c_str(),
                "step", "entered", "returned", "calls", "inside ms");
    for (const std::string& step : steps) {
      std::vector<double> entered, returned, calls, inside;
      for (const Sample& s : program.samples) {
        for (const Mark& m : s.marks) {
          if (m.step != step) continue;
          entered.push_back(m.enteredMs);
          returned.push_back(m.returnedMs);
          calls.push_back(static_cast<double>(m.calls));
          inside.push_back(m.insideMs);
        }
      }
      std::printf("%-16s %8.1f %9.1f %7.0f %10.2f\n", step.c_str(), quantile(entered, 0.5),
                  quantile(returned, 0.5), quantile(calls, 0.5), quantile(inside, 0.5));
    }
  }
}

}  // namespace umrak::startup
