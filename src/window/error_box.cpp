#include "window/error_box.h"

#include <QMessageBox>

#include "window/window_activation.h"

namespace umrak::ui {

QString errorBoxText(const core::RunError& error) {
  return QStringLiteral("خطأ في وقت التشغيل رقم %1\n%2")
      .arg(error.number)
      .arg(QString::fromStdString(error.message));
}

void showErrorBox(QWidget* parent, const QString& title, const core::RunError& error) {
  QMessageBox box(QMessageBox::Critical, title, errorBoxText(error), QMessageBox::Ok, parent);
  box.setLayoutDirection(Qt::RightToLeft);
  box.exec();
  // The focus goes back to where it was in the window below the box, which
  // not every window manager activates again by itself.
  if (parent) askForActivation(parent->window());
}

}  // namespace umrak::ui
