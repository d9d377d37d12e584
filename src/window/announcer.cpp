#include "window/announcer.h"

#include <QAccessible>

namespace umrak::ui {

Notice::Notice(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);
  hide();
}

Announcer::Announcer(QWidget* window) : window_(window) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  notice_ = new Notice(window_);
#endif
}

void Announcer::announce(const QString& message) {
  if (message.isEmpty()) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent event(window_, message);
  QAccessible::updateAccessibility(&event);
#else
  notice_->setAccessibleName(message);
  notice_->hide();
  notice_->show();
#endif
}

}  // namespace umrak::ui
