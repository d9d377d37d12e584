#include "program/command_line.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

#include "program/platform.h"

namespace umrak {

namespace {

using Action = app::CommandLine::Action;

QStringList withProgram(const QStringList& arguments) {
  return QStringList{QStringLiteral("umrak")} + arguments;
}

TEST(CommandLine, ArgumentsAreReadOrRefused) {
  const struct {
    QStringList arguments;
    Action action;
    QString text;
    QString style;
  } cases[] = {
      {{}, Action::Start, {}, {}},
      {{"-platform", "offscreen", "-reverse", "--qwindowtitle", "x"}, Action::Start, {}, {}},
      {{"-style", "Windows"}, Action::Start, {}, "Windows"},
      {{"-style=Windows"}, Action::Start, {}, "Windows"},
      {{"-v"}, Action::ShowVersion, "umrak 1.00\n", {}},
      {{"--version", "--help"}, Action::ShowHelp, {}, {}},
      {{"-platform"},
       Action::Refuse,
       "umrak: Missing value after '-platform'. Try 'umrak --help'.\n",
       {}},
      {{"--platform=offscreen"},
       Action::Refuse,
       "umrak: Give the value of '--platform' as the next argument. Try 'umrak --help'.\n",
       {}},
      {{"--version", "1980"},
       Action::Refuse,
       "umrak: Unexpected argument '1980'. Try 'umrak --help'.\n",
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const app::CommandLine line = app::readCommandLine(withProgram(c.arguments));
    EXPECT_EQ(line.action, c.action);
    if (c.action != Action::ShowHelp) {
      EXPECT_EQ(line.text, c.text);
    }
    EXPECT_EQ(line.style, c.style);
  }
}

TEST(CommandLine, HelpNamesTheProgramItsOptionsAndQtsStandardOptions) {
  const QString help = app::readCommandLine(withProgram({"-h"})).text;
  EXPECT_TRUE(help.startsWith("Usage: umrak [options]\n")) << help.toStdString();
  for (const char* option :
       {"-h, --help", "-v, --version", "--platform <name[:options]>", "--style <style>",
        "--reverse", "--qwindowgeometry <geometry>", "--display <display>"}) {
    EXPECT_TRUE(help.contains(QLatin1StringView(option))) << option;
  }
}

// Only a GNOME Wayland session with Xwayland sends the window through X11,
// and never against the user's own choice.
TEST(Platform, GnomeOnWaylandGoesThroughXwaylandUnlessTheUserChose) {
  const struct {
    app::Session session;
    std::string platform;
  } cases[] = {
      {{"", "wayland-0", ":0", "GNOME"}, "xcb;wayland"},
      {{"", "wayland-0", ":0", "ubuntu:GNOME"}, "xcb;wayland"},
      {{"wayland", "wayland-0", ":0", "GNOME"}, ""},
      {{"", "wayland-0", "", "GNOME"}, ""},
      {{"", "", ":0", "GNOME"}, ""},
      {{"", "wayland-0", ":0", "KDE"}, ""},
      {{"", "wayland-0", ":0", "GNOME-Classic"}, ""},
      {{"", "wayland-0", ":0", ""}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.session.currentDesktop) + " " +
                 std::string(c.session.chosenPlatform));
    EXPECT_EQ(app::preferredPlatform(c.session), c.platform);
  }
}

// The built program, started with no display: whatever it answers, it
// answers without a window, which it could not open here.
TEST(Program, AnswersWithoutADisplay) {
  const struct {
    QStringList arguments;
    int status;
    QString out;
    QString err;
  } cases[] = {
      {{"--version"}, 0, "umrak 1.00\n", ""},
      {{"-platform", "xcb", "-v"}, 0, "umrak 1.00\n", ""},
      {{"--frobnicate"}, 2, "", "umrak: Unknown option 'frobnicate'. Try 'umrak --help'.\n"},
      {{"today"}, 2, "", "umrak: Unexpected argument 'today'. Try 'umrak --help'.\n"},
  };
  QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    noDisplay.remove(QLatin1StringView(name));
  }
  const auto run = [&](const QStringList& arguments) {
    auto program = std::make_unique<QProcess>();
    program->setProcessEnvironment(noDisplay);
    program->start(QStringLiteral(UMRAK_PROGRAM), arguments);
    EXPECT_TRUE(program->waitForFinished(10000));
    return program;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    const auto program = run(c.arguments);
    EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program->exitCode(), c.status);
    EXPECT_EQ(QString::fromUtf8(program->readAllStandardOutput()), c.out);
    EXPECT_EQ(QString::fromUtf8(program->readAllStandardError()), c.err);
  }
  const auto help = run({QStringLiteral("--help")});
  EXPECT_EQ(help->exitCode(), 0);
  EXPECT_TRUE(help->readAllStandardOutput().startsWith("Usage: umrak [options]\n"));
}

}  // namespace

int programMain(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

}  // namespace umrak

int main(int argc, char* argv[]) {
  return umrak::programMain(argc, argv);
}
