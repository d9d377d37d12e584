#include "ui/text_box.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextOption>

#include "ui/form_style.h"
#include "ui/line_box.h"

namespace umrak::ui {

namespace {

// A multi-line box keeps its line breaks as CR LF; the editor shows LF.
QString toEditorLines(const std::u16string& text) {
  return qtText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::u16string fromEditorLines(QString text) {
  return modelText(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

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

QWidget* createMultiLineEdit(const core::ControlRecord& record, QWidget* parent) {
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

QWidget* createTextBox(const core::ControlRecord& record, QWidget* parent) {
  QWidget* box = record.multiLine ? createMultiLineEdit(record, parent) : new LineBox(parent);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, colorOf(record.back, palette));
  palette.setColor(QPalette::Text, colorOf(record.fore, palette));
  box->setPalette(palette);
  return box;
}

// A box relays out its whole text on every change, which for a long text
// costs far more than comparing: a write of what it shows is left out.
void showBoxText(QWidget* box, const std::u16string& text) {
  const QSignalBlocker quiet(box);
  if (auto* line = qobject_cast<QLineEdit*>(box)) {
    if (QStringView(line->text()) != QStringView(text.data(), std::ssize(text))) {
      line->setText(qtText(text));
    }
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
    if (boxText(box) != text) lines->setPlainText(toEditorLines(text));
  }
}

void onBoxEdited(QWidget* box, QObject* context, std::function<void(std::u16string)> edited) {
  if (auto* line = qobject_cast<QLineEdit*>(box)) {
    QObject::connect(line, &QLineEdit::textEdited, context,
                     [edited](const QString& text) { edited(modelText(text)); });
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
    QObject::connect(lines, &QPlainTextEdit::textChanged, context,
                     [lines, edited] { edited(fromEditorLines(lines->toPlainText())); });
  }
}

std::u16string boxText(const QWidget* box) {
  if (const auto* line = qobject_cast<const QLineEdit*>(box)) return modelText(line->text());
  if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) {
    return fromEditorLines(lines->toPlainText());
  }
  return {};
}

}  // namespace umrak::ui
