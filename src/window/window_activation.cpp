#include "window/window_activation.h"

#include <QGuiApplication>
#include <QWidget>

namespace umrak::ui {

// Qt sends _NET_ACTIVE_WINDOW as an application's request (source 1) with
// the time of the last event it saw from the server, and defers it to the
// window's map notification when the window is not mapped yet.
void askForActivation(QWidget* window) {
  if (!qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) return;
  window->activateWindow();
}

}  // namespace umrak::ui
