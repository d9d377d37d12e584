#include "ui/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QProxyStyle>
#include <QTranslator>

#include "form1/form_description.h"
#include "ui/accessible_interfaces.h"
#include "ui/form_style.h"
#include "ui/menu_entries.h"

namespace umrak::ui {

namespace {

// The version texts read "1.00": the major number, then the minor in two digits.
QString versionText() {
  return QStringLiteral("%1.%2")
      .arg(UMRAK_VERSION_MAJOR)
      .arg(UMRAK_VERSION_MINOR, 2, 10, QLatin1Char('0'));
}

// The program's style, with every menu right to left: Qt opens a context
// menu in the direction of its control, and some controls read left to right.
class ProgramStyle : public QProxyStyle {
 public:
  using QProxyStyle::polish;
  using QProxyStyle::QProxyStyle;

  void polish(QWidget* widget) override {
    QProxyStyle::polish(widget);
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
      menu->setLayoutDirection(Qt::RightToLeft);
      separateShortcuts(menu);
    }
  }
};

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
  QApplication::setStyle(new ProgramStyle(style.isEmpty() ? QStringLiteral("Fusion") : style));
  // Everything the program shows, its error box included, is in the form's
  // font; no other face needs loading.
  QApplication::setFont(fontOf(form1::form1Description().form.font));
  speakArabic();
  installAccessibleInterfaces();
}

}  // namespace umrak::ui
