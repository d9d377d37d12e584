#include "window/accessible_line_box.h"

#include <QStyle>
#include <QTextLayout>

#include "window/line_box.h"

namespace umrak::ui {

namespace {

QString rgb(const QColor& color) {
  return QStringLiteral("rgb(%1,%2,%3)").arg(color.red()).arg(color.green()).arg(color.blue());
}

// A value in the attribute list may not hold its separators.
QString quotedFamily(QString family) {
  for (const QChar special : {u'\\', u':', u',', u'=', u';', u'"'}) {
    family.replace(special, QStringLiteral("\\") + special);
  }
  return u'"' + family + u'"';
}

// The box's text laid out as it draws it, left edge at 0.
struct Layout {
  Layout(const QString& text, const QFont& font, Qt::LayoutDirection direction)
      : layout(text, font) {
    QTextOption option;
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    line = layout.createLine();
    layout.endLayout();
  }
  qreal x(int offset) const { return line.cursorToX(offset); }
  int characterAt(qreal x) const { return line.xToCursor(x, QTextLine::CursorOnCharacter); }

  QTextLayout layout;
  QTextLine line;
};

// Qt tells where the caret is drawn, not where a character is; the box's
// text laid out alike gives each character's place relative to the caret.
Layout layoutOf(const LineBox& box) {
  return Layout(box.text(), box.font(), box.layoutDirection());
}

qreal shiftOf(const LineBox& box, const Layout& layout) {
  return box.caretRect().center().x() - layout.x(box.cursorPosition());
}

}  // namespace

AccessibleLineBox::AccessibleLineBox(LineBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

LineBox* AccessibleLineBox::box() const {
  return static_cast<LineBox*>(widget());
}

// -2 stands for the caret and -1 for the end of the text.
int AccessibleLineBox::offsetOf(int offset) const {
  if (offset == -2) return cursorPosition();
  if (offset == -1) return characterCount();
  return offset;
}

QString AccessibleLineBox::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return box()->text();
  return QAccessibleWidget::text(t);
}

void AccessibleLineBox::setText(QAccessible::Text t, const QString& text) {
  if (t != QAccessible::Value) return QAccessibleWidget::setText(t, text);
  replaceText(0, characterCount(), text);
}

QAccessible::State AccessibleLineBox::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.editable = true;
  state.selectableText = true;
  state.readOnly = box()->isReadOnly();
  return state;
}

void* AccessibleLineBox::interface_cast(QAccessible::InterfaceType t) {
  if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  if (t == QAccessible::EditableTextInterface) {
    return static_cast<QAccessibleEditableTextInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(t);
}

void AccessibleLineBox::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !box()->hasSelectedText()) return;
  *startOffset = box()->selectionStart();
  *endOffset = *startOffset + box()->selectionLength();
}

int AccessibleLineBox::selectionCount() const {
  return box()->hasSelectedText() ? 1 : 0;
}

void AccessibleLineBox::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void AccessibleLineBox::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) box()->deselect();
}

void AccessibleLineBox::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) box()->setSelection(startOffset, endOffset - startOffset);
}

int AccessibleLineBox::cursorPosition() const {
  return box()->cursorPosition();
}

void AccessibleLineBox::setCursorPosition(int position) {
  box()->setCursorPosition(position);
}

QString AccessibleLineBox::text(int startOffset, int endOffset) const {
  if (startOffset > endOffset) return {};
  return box()->text().mid(startOffset, endOffset - startOffset);
}

QString AccessibleLineBox::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
  return QAccessibleTextInterface::textBeforeOffset(offsetOf(offset), boundaryType, startOffset,
                                                    endOffset);
}

QString AccessibleLineBox::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
  return QAccessibleTextInterface::textAfterOffset(offsetOf(offset), boundaryType, startOffset,
                                                   endOffset);
}

// At the end of the text there is no character, word or sentence; the line
// is the whole text, as Qt answers it.
QString AccessibleLineBox::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
  offset = offsetOf(offset);
  const bool withinLine = boundaryType == QAccessible::CharBoundary ||
                          boundaryType == QAccessible::WordBoundary ||
                          boundaryType == QAccessible::SentenceBoundary;
  if (withinLine && offset == characterCount()) {
    *startOffset = *endOffset = offset;
    return {};
  }
  return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
}

int AccessibleLineBox::characterCount() const {
  return static_cast<int>(box()->text().size());
}

QRect AccessibleLineBox::characterRect(int offset) const {
  if (offset < 0 || offset >= characterCount()) return {};
  const Layout layout = layoutOf(*box());
  const QRect caret = box()->caretRect();
  const qreal shift = shiftOf(*box(), layout);
  const qreal from = layout.x(offset) + shift;
  const qreal to = layout.x(offset + 1) + shift;
  const QRect rect(QPoint(qRound(qMin(from, to)), caret.top()),
                   QPoint(qRound(qMax(from, to)) - 1, caret.bottom()));
  return rect.translated(box()->mapToGlobal(QPoint(0, 0)));
}

// The character under the point, where Qt would give the nearest place
// between two characters.
int AccessibleLineBox::offsetAtPoint(const QPoint& point) const {
  const QPoint at = box()->mapFromGlobal(point);
  if (!box()->rect().contains(at) || characterCount() == 0) return -1;
  const Layout layout = layoutOf(*box());
  return layout.characterAt(at.x() - shiftOf(*box(), layout));
}

void AccessibleLineBox::scrollToSubstring(int startIndex, int endIndex) {
  box()->setCursorPosition(endIndex);
  box()->setCursorPosition(startIndex);
}

// The box draws its whole text alike, so one run covers all of it.
QString AccessibleLineBox::attributes(int offset, int* startOffset, int* endOffset) const {
  offset = offsetOf(offset);
  if (offset < 0 || offset > characterCount()) {
    *startOffset = *endOffset = -1;
    return {};
  }
  *startOffset = 0;
  *endOffset = characterCount();
  const QFont font = box()->font();
  const QPalette palette = box()->palette();
  const Qt::Alignment across =
      QStyle::visualAlignment(box()->layoutDirection(), box()->alignment()) &
      Qt::AlignHorizontal_Mask;
  QStringList attributes{
      QStringLiteral("font-family:") + quotedFamily(font.family()),
      QStringLiteral("font-style:") + QLatin1String(font.style() == QFont::StyleItalic ? "italic"
                                                    : font.style() == QFont::StyleOblique
                                                        ? "oblique"
                                                        : "normal"),
      QStringLiteral("color:") + rgb(palette.color(QPalette::Text)),
      QStringLiteral("background-color:") + rgb(palette.color(QPalette::Base)),
      QStringLiteral("text-align:") + QLatin1String(across & Qt::AlignRight     ? "right"
                                                    : across & Qt::AlignHCenter ? "center"
                                                                                : "left"),
      QStringLiteral("writing-mode:") + QLatin1String(box()->isRightToLeft() ? "rl" : "lr"),
      QStringLiteral("text-position:baseline"),
  };
  if (font.pointSize() > 0) attributes << QStringLiteral("font-size:%1pt").arg(font.pointSize());
  if (font.bold()) attributes << QStringLiteral("font-weight:bold");
  return attributes.join(u';');
}

// Edits by assistive technology are the user's edits: they reach the program
// as typing does, and the user can undo them.
void AccessibleLineBox::deleteText(int startOffset, int endOffset) {
  replaceText(startOffset, endOffset, {});
}

void AccessibleLineBox::insertText(int offset, const QString& text) {
  replaceText(offset, offset, text);
}

void AccessibleLineBox::replaceText(int startOffset, int endOffset, const QString& text) {
  if (box()->isReadOnly()) return;
  if (startOffset == endOffset) {
    box()->setCursorPosition(startOffset);
  } else {
    box()->setSelection(startOffset, endOffset - startOffset);
  }
  box()->insert(text);
}

}  // namespace umrak::ui
