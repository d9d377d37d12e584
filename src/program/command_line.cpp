#include "program/command_line.h"

#include <QCommandLineParser>

#include "program/application.h"

namespace umrak::app {

namespace {

struct QtOption {
  const char* name;
  const char* valueName;  // none for a switch
  const char* description;
  bool joinedValue;  // Qt also reads "-name=value"
};

// Qt 6's standard options of QApplication and QGuiApplication, then those of
// its X11 platform, as Qt reads them from the arguments.
constexpr QtOption kQtOptions[] = {
    {"platform", "name[:options]", "Platform plugin: xcb, wayland, offscreen, ...", false},
    {"platformpluginpath", "path", "Folder of the platform plugins.", false},
    {"platformtheme", "theme", "Platform theme.", false},
    {"plugin", "plugin", "A further plugin to load; may be given more than once.", false},
    {"style", "style", "Widget style instead of the window's own, Fusion.", true},
    {"stylesheet", "file", "Style sheet for the window's controls.", true},
    {"qwindowgeometry", "geometry", "Geometry of a first normal window, not umrak's tool window.",
     false},
    {"qwindowicon", "icon", "Icon of a first normal window, not umrak's tool window.", false},
    {"qwindowtitle", "title", "Title of a first normal window, not umrak's tool window.", false},
    {"reverse", nullptr, "Right-to-left layout; umrak's window is right to left anyway.", false},
    {"session", "session", "Session to restore; umrak keeps nothing to restore.", false},
    {"widgetcount", nullptr, "Report the widgets left and the most that existed at the end.",
     false},
    {"display", "display", "X11 display to use instead of $DISPLAY.", false},
    {"geometry", "geometry", "X11: the same as --qwindowgeometry.", false},
    {"title", "title", "X11: the same as --qwindowtitle.", false},
    {"icon", "icon", "X11: the same as --qwindowicon.", false},
    {"name", "name", "X11: instance name of the window.", false},
    {"visual", "id", "X11: the visual to use.", false},
    {"nograb", nullptr, "X11: never grab the mouse.", false},
    {"dograb", nullptr, "X11: grab the mouse even under a debugger.", false},
};

const QtOption* qtOption(QStringView name) {
  for (const QtOption& option : kQtOptions) {
    if (name == QLatin1StringView(option.name)) return &option;
  }
  return nullptr;
}

// QCommandLineParser also reads "--platform=xcb", which Qt would pass over.
QString joinedValueQtDoesNotRead(const QStringList& arguments) {
  for (const QString& argument : arguments.mid(1)) {
    if (argument == QLatin1StringView("--")) break;
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (!argument.startsWith(QLatin1Char('-')) || equals < 0) continue;
    const qsizetype dashes = argument.startsWith(QLatin1StringView("--")) ? 2 : 1;
    const QtOption* option = qtOption(QStringView(argument).mid(dashes, equals - dashes));
    if (option && option->valueName && !option->joinedValue) return argument;
  }
  return {};
}

QCommandLineOption toParserOption(const QtOption& qt) {
  QCommandLineOption option(QString::fromLatin1(qt.name), QString::fromUtf8(qt.description));
  if (qt.valueName) option.setValueName(QString::fromLatin1(qt.valueName));
  return option;
}

CommandLine refusal(const QString& complaint) {
  return {CommandLine::Action::Refuse,
          QStringLiteral("%1: %2 Try '%1 --help'.\n").arg(programName(), complaint),
          {}};
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  // Qt's own options are words after a single dash, as in "-platform xcb".
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(QStringLiteral(
      "umrak tells you your age from your date of birth and today's date, in an\n"
      "Arabic window. Besides --help and --version it takes Qt's standard options."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show this help and exit."));
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                   QStringLiteral("Show the version and exit."));
  parser.addOptions({help, version});
  for (const QtOption& option : kQtOptions) parser.addOption(toParserOption(option));

  if (!parser.parse(arguments)) return refusal(parser.errorText());
  if (const QString joined = joinedValueQtDoesNotRead(arguments); !joined.isEmpty()) {
    return refusal(QStringLiteral("Give the value of '%1' as the next argument.")
                       .arg(joined.section(QLatin1Char('='), 0, 0)));
  }
  if (!parser.positionalArguments().isEmpty()) {
    return refusal(
        QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first()));
  }
  if (parser.isSet(help)) {
    // The parser names the program by its path, or by a placeholder when no
    // application exists yet; the usage line names it as the user calls it.
    const QString usage = QStringLiteral("Usage: %1 [options]\n").arg(programName());
    return {CommandLine::Action::ShowHelp, usage + parser.helpText().section('\n', 1), {}};
  }
  if (parser.isSet(version)) {
    return {CommandLine::Action::ShowVersion, versionLine() + QLatin1Char('\n'), {}};
  }
  return {CommandLine::Action::Start, {}, parser.value(QStringLiteral("style"))};
}

}  // namespace umrak::app
