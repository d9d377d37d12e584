#include "sessions/run.h"

#include <atomic>
#include <ostream>

#include "scenario/writer.h"
#include "sessions/generator.h"
#include "sessions/play.h"
#include "sessions/report.h"
#include "sessions/shrink.h"

namespace umrak::sessions {

namespace {

std::atomic<std::uint64_t> playing{0};

using Check = std::function<std::optional<Failure>(const scenario::Script&)>;

std::optional<Failure> writerCheck(const scenario::Script& session) {
  if (readsBack(session)) return std::nullopt;
  return Failure{session.size() - 1,
                 "writer",
                 "the session written as a scenario file reads back as other steps",
                 {}};
}

std::string reproduce(std::uint64_t seed, const RunOptions& o) {
  return "umrak-sessions --seed " + std::to_string(seed) + " --count 1 --actions " +
         std::to_string(o.maxActions) + (o.window ? " --window" : "");
}

void report(const scenario::Script& session, const Failure& found, const Check& check,
            std::uint64_t seed, const RunOptions& o, std::ostream& out) {
  const scenario::Script shrunk = shrink(session, [&](const scenario::Script& candidate) {
    const std::optional<Failure> f = check(candidate);
    return f && f->subject == found.subject;
  });
  const Failure last = check(shrunk).value_or(found);
  out << "session " << seed << " fails after its action " << found.action + 1 << ": "
      << found.message << '\n';
  out << failureScenario(shrunk, last,
                         "Found by " + reproduce(seed, o) + ", shrunk from " +
                             std::to_string(session.size()) + " actions.\n" + last.message)
      << '\n';
}

}  // namespace

std::uint64_t currentSeed() {
  return playing.load();
}

RunSummary runSessions(const RunOptions& o, const scenario::DriverFactory& window,
                       std::ostream& out) {
  const SessionOptions generate{o.maxActions, !o.window};
  const Check check =
      o.window ? Check([&](const scenario::Script& s) { return playSideBySide(s, window); })
               : Check(playOnModel);
  RunSummary summary;
  for (std::uint64_t i = 0; i < o.count; ++i) {
    const std::uint64_t seed = o.seed + i;
    playing = seed;
    const scenario::Script session = generateSession(seed, generate);
    if (o.print)
      out << "# session " << seed << '\n' << scenario::writeScript(session) << std::flush;
    std::optional<Failure> found = writerCheck(session);
    const Check& failing = found ? Check(writerCheck) : check;
    if (!found) found = check(session);
    ++summary.sessions;
    summary.actions += session.size();
    if (!found) continue;
    ++summary.failed;
    report(session, *found, failing, seed, o, out);
  }
  return summary;
}

}  // namespace umrak::sessions
