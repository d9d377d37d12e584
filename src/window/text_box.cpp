#include "window/text_box.h"

#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextOption>

#include "window/form_style.h"
#include "window/line_box.h"

namespace umrak::ui {

namespace {

// The notes box is plain text: a paste, a middle click or a drop inserts the
// data's text and nothing else. Qt's own insertion reads the first of the
// data's formats without checking that there is one, and X11 gives a paste
// from an empty clipboard data with no formats at all; it also turns a
// Markdown offer into formatted text, which would change what the user copied.
class NotesEdit : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;

 protected:
  void insertFromMimeData(const QMimeData* source) override {
    if (source && source->hasText()) insertPlainText(source->text());
  }
};

// A box lays out its whole text again on every change, which for a long text
// costs far more than comparing: a write of what it shows is left out.
class OneLineBox : public TextBox {
 public:
  explicit OneLineBox(LineBox* line) : TextBox(line), line_(line) {
    connect(line, &QLineEdit::textEdited, this,
            [this](const QString& text) { emit edited(modelText(text)); });
  }

  void showText(const std::u16string& text) override {
    if (QStringView(line_->text()) == QStringView(text.data(), std::ssize(text))) return;
    const QSignalBlocker quiet(line_);
    line_->setText(qtText(text));
  }
  std::u16string text() const override { return modelText(line_->text()); }

 private:
  LineBox* line_;
};

// The notes box keeps its line breaks as CR LF; the editor shows LF.
class NotesBox : public TextBox {
 public:
  explicit NotesBox(NotesEdit* lines) : TextBox(lines), lines_(lines) {
    connect(lines, &QPlainTextEdit::textChanged, this, [this] { emit edited(text()); });
  }

  void showText(const std::u16string& text) override {
    if (this->text() == text) return;
    const QSignalBlocker quiet(lines_);
    lines_->setPlainText(qtText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  }
  std::u16string text() const override {
    return modelText(lines_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
  }

 private:
  NotesEdit* lines_;
};

NotesEdit* createNotesEdit(const core::ControlRecord& record, QWidget* parent) {
  auto* edit = new NotesEdit(parent);
  edit->setTabChangesFocus(true);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setWordWrapMode(QTextOption::WordWrap);
  edit->setVerticalScrollBarPolicy(record.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                            : Qt::ScrollBarAlwaysOff);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The reading order is the box's own, not guessed from its first letter.
  QTextOption option = edit->document()->defaultTextOption();
  option.setTextDirection(directionOf(record.rightToLeft));
  edit->document()->setDefaultTextOption(option);
  return edit;
}

}  // namespace

TextBox* TextBox::create(const core::ControlRecord& record, QWidget* parent) {
  TextBox* box = record.multiLine
                     ? static_cast<TextBox*>(new NotesBox(createNotesEdit(record, parent)))
                     : new OneLineBox(new LineBox(parent));
  QWidget* widget = box->widget();
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, colorOf(record.back, palette));
  palette.setColor(QPalette::Text, colorOf(record.fore, palette));
  widget->setPalette(palette);
  return box;
}

}  // namespace umrak::ui
