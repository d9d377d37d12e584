#include "scenario/window/text_input.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTest>

#include "scenario/driver.h"
#include "scenario/quoting.h"
#include "window/text_box.h"

namespace umrak::scenario {

namespace {

// Nobody types this much: a longer text arrives by paste.
constexpr std::size_t kLongestTyped = 256;

bool isMultiLine(const QWidget* box) {
  return qobject_cast<const QPlainTextEdit*>(box) != nullptr;
}

// Where clicks land: a multi-line box takes them on its viewport.
QWidget* inputArea(QWidget* box) {
  if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) return lines->viewport();
  return box;
}

// Characters that a key press enters as themselves; Tab moves the focus,
// Return ends a line only in a multi-line box, and Qt's editors take no
// control character or unpaired surrogate from the keyboard.
bool typeable(const std::u16string& text, bool multiLine) {
  if (text.size() > kLongestTyped) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const QChar c(text[i]);
    if (multiLine && c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
      ++i;
    } else if (c.isHighSurrogate() && i + 1 < text.size() && QChar(text[i + 1]).isLowSurrogate()) {
      ++i;
    } else if (c.category() == QChar::Other_Control || c.isSurrogate()) {
      return false;
    }
  }
  return true;
}

// QTest knows key codes for ASCII only; any other character arrives as a key
// press that carries it as its text, as a keyboard of its script sends it.
void typeKeys(QWidget* box, const std::u16string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      QTest::keyClick(box, Qt::Key_Return);
      ++i;
    } else if (c >= 0x20 && c < 0x7F) {
      QTest::keyClick(box, static_cast<char>(c));
    } else {
      const std::size_t units = QChar(c).isHighSurrogate() ? 2 : 1;
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown,
                          QString::fromStdU16String(text.substr(i, units)), Qt::NoModifier);
      i += units - 1;
    }
  }
}

void focus(QWidget* box) {
  box->setFocus(Qt::OtherFocusReason);
}

void pasteWith(QWidget* box, const std::u16string& text,
               const std::optional<std::u16string>& clipboard) {
  putOnClipboard(text);
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  putOnClipboard(clipboard);
}

std::string boxName(const QWidget* box) {
  return box->objectName().toStdString();
}

}  // namespace

void putOnClipboard(const std::optional<std::u16string>& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (text) {
    clipboard->setText(QString::fromStdU16String(*text));
  } else {
    clipboard->clear();
  }
}

void enterText(ui::TextBox& box, const std::u16string& text,
               const std::optional<std::u16string>& clipboard) {
  QWidget* widget = box.widget();
  focus(widget);
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  if (text.empty()) {
    QTest::keyClick(widget, Qt::Key_Delete);
  } else if (typeable(text, isMultiLine(widget))) {
    typeKeys(widget, text);
  }
  if (box.text() == text) return;
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  pasteWith(widget, text, clipboard);
  const std::u16string held = box.text();
  if (held != text) {
    throw CannotPerform(boxName(widget) + " cannot be given " + shortQuote(text) +
                        ": neither keys nor a paste enter it as it is; a paste leaves " +
                        shortQuote(held));
  }
}

void pasteAtEnd(ui::TextBox& box, const std::optional<std::u16string>& clipboard) {
  QWidget* widget = box.widget();
  focus(widget);
  const std::u16string before = box.text();
  QTest::keyClick(widget, Qt::Key_End, isMultiLine(widget) ? Qt::ControlModifier : Qt::NoModifier);
  QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
  const std::u16string expected = before + clipboard.value_or(u"");
  const std::u16string held = box.text();
  if (held != expected) {
    throw CannotPerform("a paste of " + shortQuote(clipboard.value_or(u"")) + " leaves " +
                        shortQuote(held) + " in " + boxName(widget) + ", not " +
                        shortQuote(expected));
  }
}

void middleClickInto(ui::TextBox& box) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard->supportsSelection()) clipboard->clear(QClipboard::Selection);
  QWidget* area = inputArea(box.widget());
  QTest::mouseClick(area, Qt::MiddleButton, Qt::NoModifier, area->rect().center());
}

}  // namespace umrak::scenario
