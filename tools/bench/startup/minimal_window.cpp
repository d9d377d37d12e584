#include <QApplication>
#include <QWidget>

#include "form/form_description.h"
#include "runtime/control_record.h"

// The least a Qt Widgets program can show: an empty window of Form1's size.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const umrak::core::FormRecord& form = umrak::form1::form1Description().form;
  QWidget window;
  window.setFixedSize(form.clientWidth / umrak::core::kTwipsPerPixel,
                      form.clientHeight / umrak::core::kTwipsPerPixel);
  window.show();
  return QApplication::exec();
}
