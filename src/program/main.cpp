#include <QApplication>
#include <cstdio>
#include <optional>

#include "program/application.h"
#include "program/command_line.h"
#include "program/font_warm_up.h"
#include "window/form_window.h"

namespace umrak {

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  return arguments;
}

// Answers --version, --help and wrong arguments without a window; nothing
// when the window is to start.
std::optional<int> answer(const app::CommandLine& line) {
  switch (line.action) {
    case app::CommandLine::Action::Start:
      return std::nullopt;
    case app::CommandLine::Action::ShowVersion:
    case app::CommandLine::Action::ShowHelp:
      std::fputs(line.text.toLocal8Bit().constData(), stdout);
      return 0;
    case app::CommandLine::Action::Refuse:
      std::fputs(line.text.toLocal8Bit().constData(), stderr);
      return 2;
  }
  return std::nullopt;
}

// The window starts with Qt's arguments in argv; ours are answered first.
int runProgram(int argc, char* argv[]) {
  // Without arguments the start skips the parser altogether.
  app::CommandLine line;
  if (argc > 1) {
    line = app::readCommandLine(argumentsOf(argc, argv));
    if (const std::optional<int> status = answer(line)) return *status;
  }

  app::FontWarmUp fonts;
  app::prepareQt();
  QApplication app(argc, argv);
  app::setUpApplication(line.style);
  fonts.finish();

  ui::Form1Window window;
  window.show();
  return app.exec();
}

}  // namespace

}  // namespace umrak

int main(int argc, char* argv[]) {
  return umrak::runProgram(argc, argv);
}
