#include "scenario/command_line.h"

#include <fstream>
#include <ostream>
#include <sstream>

#include "form/form_description.h"
#include "scenario/headless_driver.h"
#include "scenario/parser.h"
#include "scenario/runner.h"

namespace umrak::scenario {

namespace {

constexpr int kUsageError = 2;

constexpr std::string_view kUsage =
    "usage: umrak-scenario [--window] [--screenshot FILE.png] FILE...\n"
    "Replays scenario files against the program and checks what they expect.\n"
    "  --window               drive the real window instead of the form alone\n"
    "  --screenshot FILE.png  with --window, save the window as it stands at the end\n";

std::optional<std::string> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return std::move(text).str();
}

bool runFile(const std::string& path, const DriverFactory& start, std::ostream& out,
             std::unique_ptr<Driver>& driver) {
  const std::optional<std::string> source = readFile(path);
  if (!source) {
    out << path << ": cannot read the file\n";
    return false;
  }
  const ParsedScript parsed = parseScript(*source, form1::form1Description());
  for (const ParseError& e : parsed.errors)
    out << path << ':' << e.line << ": " << e.message << '\n';
  if (!parsed.errors.empty()) return false;

  driver = start();
  const std::vector<Finding> findings = runScript(parsed.script, *driver);
  for (const Finding& f : findings) out << path << ':' << f.line << ": " << f.message << '\n';
  return findings.empty();
}

}  // namespace

ParsedOptions parseOptions(std::span<const std::string> args) {
  ParsedOptions p;
  bool optionsDone = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (optionsDone || a.empty() || a[0] != '-' || a == "-") {
      p.options.files.push_back(a);
    } else if (a == "--") {
      optionsDone = true;
    } else if (a == "--help" || a == "-h") {
      p.help = true;
    } else if (a == "--window") {
      p.options.window = true;
    } else if (a == "--screenshot") {
      if (i + 1 == args.size()) return {{}, "--screenshot needs a file name", false};
      p.options.screenshot = args[++i];
    } else {
      return {{}, "unknown option " + a, false};
    }
  }
  if (p.help) return p;
  if (p.options.screenshot && !p.options.window) p.error = "--screenshot needs --window";
  if (p.options.files.empty()) p.error = "no scenario files given";
  return p;
}

Summary runFiles(std::span<const std::string> files, const DriverFactory& start, std::ostream& out,
                 std::unique_ptr<Driver>* last) {
  Summary s;
  std::unique_ptr<Driver> driver;
  for (const std::string& path : files) {
    if (runFile(path, start, out, driver)) {
      ++s.passed;
    } else {
      ++s.failed;
    }
  }
  if (last) *last = std::move(driver);
  return s;
}

int runCommandLine(std::span<const std::string> args, const DriverFactory& window,
                   std::ostream& out, std::ostream& err) {
  const ParsedOptions parsed = parseOptions(args);
  if (parsed.help) {
    out << kUsage;
    return 0;
  }
  if (!parsed.error.empty()) {
    err << "umrak-scenario: " << parsed.error << '\n' << kUsage;
    return kUsageError;
  }
  const Options& o = parsed.options;
  if (o.window && !window) {
    err << "umrak-scenario: --window is not available: this build has no window driver\n";
    return kUsageError;
  }

  std::unique_ptr<Driver> last;
  const Summary s = runFiles(o.files, o.window ? window : headlessDriverFactory(), out, &last);
  out << s.passed << " passed, " << s.failed << " failed\n";

  bool saved = true;
  if (o.screenshot) {
    saved = last && last->saveScreenshot(*o.screenshot);
    if (!saved) err << "umrak-scenario: could not save the screenshot " << *o.screenshot << '\n';
  }
  return s.failed == 0 && saved ? 0 : 1;
}

}  // namespace umrak::scenario
