#include "tests/gui/modal_watchdog.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <utility>

namespace umrak::gui_test {

void ModalWatchdog::start() {
  timer_.setInterval(50);
  connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
  timer_.start();
}

void ModalWatchdog::expect(std::function<void(QWidget*)> handler) {
  handler_ = std::move(handler);
}

void ModalWatchdog::check() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return;
  if (auto handler = std::exchange(handler_, {})) {
    handler(modal);
    return;
  }
  QTest::qFail("an unexpected modal window appeared", __FILE__, __LINE__);
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

}  // namespace umrak::gui_test
