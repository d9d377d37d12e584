#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMessageBox::information(nullptr, "umrak", "The window is not built yet.");
  return 0;
}
