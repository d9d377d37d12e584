#pragma once

#include <QScrollBar>
#include <QStyle>

namespace umrak::ui {

// A scroll bar that tells the user's changes apart. A completed change (an
// arrow or trough click, a key) is `changed`; dragging the thumb is
// `scrolled` for every value it passes, with the bar's value already there,
// and one `changed` when the thumb is let go after moving. Values shown by
// the program raise neither.
class ScrollBar : public QScrollBar {
  Q_OBJECT

 public:
  ScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

  void showValue(int value);
  // Where a part of the bar (arrow, trough, thumb) lies, in the bar's pixels.
  QRect partRect(QStyle::SubControl part) const;

 signals:
  void changed(int value);
  void scrolled(int value);

 protected:
  void childEvent(QChildEvent* event) override;

 private:
  void onValueChanged(int value);
  void onReleased();

  bool dragMoved_ = false;
};

}  // namespace umrak::ui
