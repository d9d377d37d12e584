#include "ui/text_box.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextOption>
#include <limits>

#include "ui/form_style.h"

namespace ui {

namespace {

// A multi-line box keeps its line breaks as CR LF; the editor shows LF.
QString toEditorLines(const std::u16string& text) {
  return qtText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::u16string fromEditorLines(QString text) {
  return modelText(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

bool isDirectionKey(int key) {
  return key == Qt::Key_Direction_L || key == Qt::Key_Direction_R;
}

// A one-line box that reads in its own layout direction, whatever its text.
// Qt's line edit takes its reading order from the first strong letter of its
// text and changes it only on the direction keys (which Windows sends for
// Ctrl with the left or the right Shift). The box gives itself the key of its
// own direction whenever that changes, and ignores the user's, so that the
// record decides; cursor keys and selection follow the same reading order.
class LineBox : public QLineEdit {
 public:
  explicit LineBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(std::numeric_limits<int>::max());
    followLayoutDirection();
  }

 protected:
  void changeEvent(QEvent* event) override {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange) followLayoutDirection();
  }

  void keyPressEvent(QKeyEvent* event) override {
    if (isDirectionKey(event->key())) {
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
  }

  // A neighbour that overlaps the box by a pixel (as Command7 does Text1)
  // has that strip of the box repainted whenever it repaints itself. Qt's
  // line edit lays out and draws its whole text for any repaint, which for
  // a long text costs as much as a key press; where the repaint misses the
  // text area, the frame is all there is to draw.
  void paintEvent(QPaintEvent* event) override {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect text = style()
                           ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                           .marginsRemoved(textMargins());
    if (event->region().intersects(text)) return QLineEdit::paintEvent(event);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
  }

 private:
  void followLayoutDirection() {
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    QKeyEvent key(QEvent::KeyPress, rightToLeft ? Qt::Key_Direction_R : Qt::Key_Direction_L,
                  Qt::NoModifier);
    QLineEdit::keyPressEvent(&key);
  }
};

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

}  // namespace ui
