#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/startup/child_process.h"
#include "bench/startup/clean_env.h"
#include "bench/startup/summary.h"
#include "bench/startup/window_watch.h"
#include "bench/startup/xvfb.h"

namespace umrak {

namespace {

namespace fs = std::filesystem;
using startup::Clock;

constexpr const char* kUsage =
    "usage: umrak_startup [--rounds N] [--warmup N] [--timeout SECONDS]\n"
    "                     [--env NAME=VALUE]... [--keep] [--phases] PROGRAM...\n"
    "Starts each PROGRAM N times, interleaved, on a private Xvfb and prints the\n"
    "median time from exec to its first window mapped and first painted, and\n"
    "its CPU time and peak resident memory. --phases also notes when each run\n"
    "reaches the steps of a Qt program's start and what it spends in libraries.\n"
    "Exits with status 3 when a run never painted or did not end cleanly once\n"
    "asked to close, keeping the programs' output.\n";

constexpr const char* kScreen = "1280x1024x24";

struct Options {
  int rounds = 15;
  int warmup = 1;
  int timeoutSeconds = 20;
  bool keep = false;
  bool phases = false;
  std::vector<std::string> extraEnv;
  std::vector<std::string> programs;
};

int intArgument(const char* text) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value < 0 || value > 100000) throw std::invalid_argument(text);
  return static_cast<int>(value);
}

Options parse(int argc, char* argv[]) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--rounds" && hasValue) {
      o.rounds = intArgument(argv[++i]);
    } else if (arg == "--warmup" && hasValue) {
      o.warmup = intArgument(argv[++i]);
    } else if (arg == "--timeout" && hasValue) {
      o.timeoutSeconds = intArgument(argv[++i]);
    } else if (arg == "--env" && hasValue) {
      o.extraEnv.emplace_back(argv[++i]);
    } else if (arg == "--keep") {
      o.keep = true;
    } else if (arg == "--phases") {
      o.phases = true;
    } else if (arg.starts_with("--")) {
      throw std::invalid_argument(arg);
    } else {
      o.programs.push_back(fs::absolute(arg).string());
    }
  }
  if (o.programs.empty() || o.rounds == 0) throw std::invalid_argument("no program");
  for (const std::string& p : o.programs) {
    if (access(p.c_str(), X_OK) != 0) throw std::invalid_argument(p + " is not executable");
  }
  return o;
}

struct Session {
  std::string scratch;
  std::vector<std::string> env;
  Clock::duration limit;
  bool phases;
};

double millisecondsOf(const std::optional<Clock::duration>& d) {
  return d ? std::chrono::duration<double, std::milli>(*d).count() : -1;
}

startup::Sample runOnce(startup::WindowWatch& watch, const Session& session,
                        const std::string& program) {
  const std::string log = session.scratch + "/" + fs::path(program).filename().string() + ".log";
  const std::string marks = session.scratch + "/marks";
  std::vector<std::string> env = session.env;
  if (session.phases) {
    std::filesystem::remove(marks);
    env.push_back("LD_PRELOAD=" + startup::marksLibrary());
    env.push_back("UMRAK_STARTUP_MARKS=" + marks);
  }
  const Clock::time_point start = Clock::now();
  startup::ChildProcess child(program, {}, env, log);
  const startup::RunTimes times = watch.watch(child, start, session.limit);
  const bool ended = child.hasEnded();
  if (!ended) child.end();
  startup::Sample s;
  const startup::ChildProcess::Usage usage = child.reap();
  s.peakMiB = static_cast<double>(usage.peakKiB) / 1024.0;
  s.cpuMs = usage.cpuMs;
  if (session.phases) s.marks = startup::readMarks(marks, start);
  s.mappedMs = millisecondsOf(times.mapped);
  s.paintedMs = millisecondsOf(times.painted);
  s.closedCleanly = ended && child.exitedCleanly();
  return s;
}

std::vector<startup::ProgramResults> measure(const Options& o, startup::WindowWatch& watch,
                                             const Session& session) {
  std::vector<startup::ProgramResults> results;
  for (const std::string& p : o.programs) results.push_back({fs::path(p).filename().string(), {}});
  const std::size_t n = o.programs.size();
  for (int round = 0; round < o.warmup + o.rounds; ++round) {
    // Each round starts with the next program, so none is always first.
    for (std::size_t k = 0; k < n; ++k) {
      const std::size_t i = (k + static_cast<std::size_t>(round)) % n;
      const startup::Sample s = runOnce(watch, session, o.programs[i]);
      if (round >= o.warmup) results[i].samples.push_back(s);
    }
  }
  return results;
}

void printEnvironment(const Session& session, const std::string& display) {
  std::printf("Xvfb %s, screen %s; every program runs with exactly this environment:\n",
              display.c_str(), kScreen);
  for (const std::string& e : session.env) std::printf("  %s\n", e.c_str());
}

int run(const Options& o) {
  char pattern[] = "/tmp/umrak-startup.XXXXXX";
  if (!mkdtemp(pattern)) throw std::runtime_error("cannot make a scratch folder");
  const std::string scratch = pattern;
  bool measured = false;
  {
    startup::Xvfb xvfb(kScreen, scratch + "/xvfb.log");
    startup::WindowWatch watch(xvfb.display());
    const Session session{scratch, startup::cleanEnvironment(scratch, xvfb.display(), o.extraEnv),
                          std::chrono::seconds(o.timeoutSeconds), o.phases};
    printEnvironment(session, xvfb.display());
    std::printf("%d rounds after %d warm-up, programs interleaved:\n", o.rounds, o.warmup);
    const std::vector<startup::ProgramResults> results = measure(o, watch, session);
    startup::printSummary(results);
    if (o.phases) startup::printPhases(results);
    measured = startup::everyRunPaintedAndClosed(results);
  }
  if (o.keep || !measured) {
    std::printf("Program output and the Xvfb log are in %s\n", scratch.c_str());
  } else {
    fs::remove_all(scratch);
  }
  return measured ? 0 : 3;
}

}  // namespace

int programMain(int argc, char* argv[]) {
  Options options;
  try {
    options = parse(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n%s", e.what(), kUsage);
    return 2;
  }
  try {
    return run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "umrak_startup: %s\n", e.what());
    return 1;
  }
}

}  // namespace umrak

int main(int argc, char* argv[]) {
  return umrak::programMain(argc, argv);
}
