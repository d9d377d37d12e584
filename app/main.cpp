#include <QApplication>

#include "ui/application.h"
#include "ui/form_window.h"

int main(int argc, char* argv[]) {
  ui::prepareQt();
  QApplication app(argc, argv);
  ui::setUpApplication();

  ui::Form1Window window;
  window.show();
  return app.exec();
}
