#pragma once

#include <QGroupBox>

namespace umrak::ui {

// A frame reduced to a caption strip: the etched border's top edge runs
// through the middle of the caption, which sits at the frame's leading end.
// It lies on top of whatever is beneath and keeps the clicks in its band.
class FrameStrip : public QGroupBox {
  Q_OBJECT

 public:
  explicit FrameStrip(const QString& caption, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace umrak::ui
