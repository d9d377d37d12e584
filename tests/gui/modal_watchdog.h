#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace umrak::gui_test {

// Keeps an unexpected modal box from hanging the run: it fails the running
// test and closes the box. A test that expects a box hands it to `expect`.
class ModalWatchdog : public QObject {
  Q_OBJECT

 public:
  void start();
  // The next modal widget goes to `handler`, which must dismiss it.
  void expect(std::function<void(QWidget*)> handler);
  bool expecting() const { return static_cast<bool>(handler_); }

 private:
  void check();

  QTimer timer_;
  std::function<void(QWidget*)> handler_;
};

}  // namespace umrak::gui_test
