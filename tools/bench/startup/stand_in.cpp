#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>

#include "form/form_description.h"
#include "runtime/control_record.h"

namespace umrak {

namespace {

int pixels(int twips) {
  return twips / core::kTwipsPerPixel;
}

// A stock widget for each control, with its stored caption or text and no
// colours, fonts or behaviour of its own; frames are plain labels.
QWidget* plainWidget(const core::ControlRecord& r, QWidget* parent) {
  const QString text = QString::fromUtf8(r.text ? r.text : "");
  switch (r.kind) {
    case core::Kind::CommandButton:
      return new QPushButton(text, parent);
    case core::Kind::TextBox:
      return new QLineEdit(text, parent);
    case core::Kind::HScrollBar:
      return new QScrollBar(Qt::Horizontal, parent);
    case core::Kind::VScrollBar:
      return new QScrollBar(Qt::Vertical, parent);
    case core::Kind::Label:
    case core::Kind::Frame:
      break;
  }
  return new QLabel(text, parent);
}

}  // namespace

// The 55 controls of Form1 as stock widgets at their stored places: what the
// window costs before any styling.

int programMain(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const core::FormDescription& description = form1::form1Description();
  QWidget window;
  window.setWindowTitle(QString::fromUtf8(description.form.caption));
  window.setFixedSize(pixels(description.form.clientWidth), pixels(description.form.clientHeight));
  for (const core::ControlRecord& r : description.controls) {
    plainWidget(r, &window)
        ->setGeometry(pixels(r.left), pixels(r.top), pixels(r.width), pixels(r.height));
  }
  window.show();
  return QApplication::exec();
}

}  // namespace umrak

int main(int argc, char* argv[]) {
  return umrak::programMain(argc, argv);
}
