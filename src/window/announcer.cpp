#include "window/announcer.h"

#include <QAccessible>
#include <QTimer>

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
  // Hidden and shown again within one turn of the event loop, the notice
  // reaches screen readers only the first time (Qt 6.4's AT-SPI bridge);
  // shown on the next turn, every time.
  notice_->hide();
  notice_->setAccessibleName(message);
  QTimer::singleShot(0, notice_, [notice = notice_] { notice->show(); });
#endif
}

}  // namespace umrak::ui
