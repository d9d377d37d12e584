#include "scenario/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "scenario/headless_driver.h"

namespace umrak::scenario {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, OptionsAreReadOrRefused) {
  const struct {
    Args args;
    bool window;
    std::optional<std::string> screenshot;
    Args files;
    std::string error;
  } cases[] = {
      {{"a.scn", "b.scn"}, false, {}, {"a.scn", "b.scn"}, ""},
      {{"--window", "a.scn"}, true, {}, {"a.scn"}, ""},
      {{"a.scn", "--screenshot", "end.png", "--window"}, true, "end.png", {"a.scn"}, ""},
      {{"--", "--window"}, false, {}, {"--window"}, ""},
      {{}, false, {}, {}, "no scenario files given"},
      {{"--window"}, false, {}, {}, "no scenario files given"},
      {{"a.scn", "--screenshot"}, false, {}, {}, "--screenshot needs a file name"},
      {{"--screenshot", "end.png", "a.scn"}, false, {}, {}, "--screenshot needs --window"},
      {{"--verbose", "a.scn"}, false, {}, {}, "unknown option --verbose"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.args));
    const ParsedOptions p = parseOptions(c.args);
    EXPECT_EQ(p.error, c.error);
    if (!c.error.empty()) continue;
    EXPECT_EQ(p.options.window, c.window);
    EXPECT_EQ(p.options.screenshot, c.screenshot);
    EXPECT_EQ(p.options.files, c.files);
  }
}

class CommandLineRun : public testing::Test {
 protected:
  std::string write(const std::string& name, const std::string& text) {
    const std::filesystem::path path = std::filesystem::path(testing::TempDir()) / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  int run(const Args& args, const DriverFactory& window = {}) {
    out.str({});
    err.str({});
    return runCommandLine(args, window, out, err);
  }

  std::ostringstream out, err;
};

TEST_F(CommandLineRun, ReportsEachFailureAndCountsFiles) {
  const std::string good = write("good.scn", "click Command2\nexpect Text2 \"1\"\n");
  const std::string wrong = write("wrong.scn", "click Command2\nexpect Text2 \"2\"\n");
  const std::string bad = write("bad.scn", "click Command2\nclick Label2\n");

  EXPECT_EQ(run({good}), 0);
  EXPECT_EQ(out.str(), "1 passed, 0 failed\n");

  EXPECT_EQ(run({good, wrong, bad, "missing.scn"}), 1);
  EXPECT_EQ(out.str(), wrong +
                           R"(:2: Text2: expected "2", actual "1")"
                           "\n" +
                           bad +
                           ":2: click needs a command button, and Label2 is a label\n"
                           "missing.scn: cannot read the file\n"
                           "1 passed, 3 failed\n");
}

TEST_F(CommandLineRun, WindowModeNeedsAWindowDriver) {
  const std::string good = write("good.scn", "click Command2\n");
  EXPECT_EQ(run({"--window", good}), 2);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("this build has no window driver"), std::string::npos);
}

// Stands in for the window driver: the form model, plus a screenshot.
class ScreenshotDriver final : public Driver {
 public:
  explicit ScreenshotDriver(std::vector<std::string>& saved) : saved_(saved) {}
  void type(core::ControlId b, const std::u16string& t) override { form_.type(b, t); }
  void click(core::ControlId b) override { form_.click(b); }
  void change(core::ControlId b, std::int16_t v, Via via) override { form_.change(b, v, via); }
  void scroll(core::ControlId b, std::int16_t v) override { form_.scroll(b, v); }
  void setClipboard(const std::optional<std::u16string>& t) override { form_.setClipboard(t); }
  void paste(core::ControlId b) override { form_.paste(b); }
  void middleClick(core::ControlId b) override { form_.middleClick(b); }
  std::u16string shown(core::ControlId c) override { return form_.shown(c); }
  std::int16_t value(core::ControlId b) override { return form_.value(b); }
  int printedCount() override { return form_.printedCount(); }
  int printPosition() override { return form_.printPosition(); }
  bool ended() override { return form_.ended(); }
  std::vector<core::RunError> takeErrors() override { return form_.takeErrors(); }
  std::vector<std::string> takeUnreleased() override { return form_.takeUnreleased(); }
  bool failNext(core::ControlId, core::Op, core::Status) override { return false; }
  bool saveScreenshot(const std::string& path) override {
    saved_.push_back(path);
    return true;
  }

 private:
  HeadlessDriver form_;
  std::vector<std::string>& saved_;
};

TEST_F(CommandLineRun, WindowDriverReplaysAndSavesTheLastWindow) {
  const std::string first = write("first.scn", "click Command2\nexpect Text2 \"1\"\n");
  const std::string second = write("second.scn", "click Command13\nexpect printed 1\n");
  std::vector<std::string> saved;
  int started = 0;
  const DriverFactory window = [&] {
    ++started;
    return std::make_unique<ScreenshotDriver>(saved);
  };

  EXPECT_EQ(run({"--window", "--screenshot", "end.png", first, second}, window), 0);
  EXPECT_EQ(out.str(), "2 passed, 0 failed\n");
  EXPECT_EQ(started, 2);
  EXPECT_EQ(saved, std::vector<std::string>{"end.png"});
}

}  // namespace
}  // namespace umrak::scenario
