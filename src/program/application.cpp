#include "program/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "form/form_description.h"
#include "program/platform.h"
#include "program/version.h"
#include "window/accessible_interfaces.h"
#include "window/form_style.h"
#include "window/program_style.h"

namespace umrak::app {

namespace {

// The version texts read "1.00": the major number, then the minor in two digits.
QString versionText() {
  return QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor, 2, 10, QLatin1Char('0'));
}

// The whole window is Arabic, so Qt's own texts in it (the error box's button,
// the menus of the text boxes and scroll bars) are too, whatever the user's
// locale; those menus and boxes open right to left even where a control
// reads left to right. Without Qt's Arabic catalogue they stay in English.
void speakArabic() {
  QGuiApplication::setLayoutDirection(Qt::RightToLeft);
  auto* qtArabic = new QTranslator(qApp);
  if (qtArabic->load(QStringLiteral("qtbase_ar"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qtArabic);
  } else {
    delete qtArabic;
  }
}

}  // namespace

void prepareQt() {
  preferPlatform();
  QGuiApplication::setDesktopSettingsAware(false);
}

QString programName() {
  return QStringLiteral("umrak");
}

QString versionLine() {
  return programName() + QLatin1Char(' ') + versionText();
}

void setUpApplication(const QString& style) {
  QApplication::setApplicationName(programName());
  QApplication::setApplicationVersion(versionText());
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.umrak.Umrak"));
  // A style that Qt does not know leaves Qt's default, after Qt's warning.
  QApplication::setStyle(new ui::ProgramStyle(style.isEmpty() ? QStringLiteral("Fusion") : style));
  // Everything the program shows, its error box included, is in the form's
  // font; no other face needs loading.
  QApplication::setFont(ui::fontOf(form1::form1Description().form.font));
  speakArabic();
  ui::installAccessibleInterfaces();
}

}  // namespace umrak::app
