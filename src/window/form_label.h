#pragma once

#include <QLabel>

namespace umrak::ui {

// A label that reads in its own layout direction. QLabel takes the reading
// order of plain text from its first strong letter, so a caption such as
// "-5" would read left to right in a right-to-left label; this one draws it
// in the reading order of its record, with the same alignment and wrapping.
class FormLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace umrak::ui
