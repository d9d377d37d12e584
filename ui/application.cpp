#include "ui/application.h"

#include <QApplication>

#include "ui/form/form_description.h"
#include "ui/form_style.h"

namespace ui {

namespace {

// The version texts read "1.00": the major number, then the minor in two digits.
QString versionText() {
  return QStringLiteral("%1.%2")
      .arg(UMRAK_VERSION_MAJOR)
      .arg(UMRAK_VERSION_MINOR, 2, 10, QLatin1Char('0'));
}

}  // namespace

void prepareQt() {
  QGuiApplication::setDesktopSettingsAware(false);
}

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("umrak"));
  QApplication::setApplicationVersion(versionText());
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.umrak.Umrak"));
  QApplication::setStyle(QStringLiteral("Fusion"));
  // Everything the program shows, its error box included, is in the form's
  // font; no other face needs loading.
  QApplication::setFont(fontOf(form::form1Description().form.font));
}

}  // namespace ui
