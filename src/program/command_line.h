#pragma once

#include <QString>
#include <QStringList>

namespace umrak::app {

// What the program's arguments ask for.
struct CommandLine {
  enum class Action { Start, ShowVersion, ShowHelp, Refuse };
  Action action = Action::Start;
  // The version line, the help, or a one-line complaint, each ending in a
  // line break.
  QString text;
  // A style the user chose with -style.
  QString style;
};

// Reads the arguments, program name first, before any QApplication exists:
// none can without a display, and --version and --help answer there too.
// Qt's standard options are recognised and stay in the arguments for the
// QApplication to take; anything else is refused.
CommandLine readCommandLine(const QStringList& arguments);

}  // namespace umrak::app
