#pragma once

#include <QObject>
#include <QWidget>
#include <string>

#include "runtime/control_record.h"

namespace umrak::ui {

// A text box of the form, one-line or notes (multi-line, with a vertical
// scroll bar where its record asks for one): the widget the user types into
// and the text as the program reads and writes it. No length limit; Tab
// leaves the box. The box lives as long as its widget.
class TextBox : public QObject {
  Q_OBJECT

 public:
  static TextBox* create(const core::ControlRecord& record, QWidget* parent);

  QWidget* widget() const { return static_cast<QWidget*>(parent()); }
  // Shows a text the program wrote; it is no edit of the user's.
  virtual void showText(const std::u16string& text) = 0;
  // The box's text as the program reads it.
  virtual std::u16string text() const = 0;

 signals:
  // After each edit by the user, with the box's whole text.
  void edited(const std::u16string& text);

 protected:
  explicit TextBox(QWidget* widget) : QObject(widget) {}
};

}  // namespace umrak::ui
