// A window of another program that covers the whole screen, as a user's
// other window would: the desktop tests put it over the program's window
// and take it away again.
#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("umrak-cover"));
  QWidget window;
  window.setWindowTitle(QStringLiteral("cover"));
  window.resize(QApplication::primaryScreen()->availableSize());
  window.show();
  return QApplication::exec();
}
