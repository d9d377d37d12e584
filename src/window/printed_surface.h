#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>

#include "runtime/form_model.h"

class QPainter;

namespace umrak::ui {

// What has been printed on the form, kept only as the pixels it drew: a
// repaint wipes exactly the part of the lines it repaints, and a print costs
// the same however many came before it. Each print is a line of its own: row
// r lies one line spacing of the form's font below row r - 1, and the first
// row starts at the top right of the client area, since the form reads right
// to left; `right` is the client area's right edge. A line that falls
// outside the window is not seen.
class PrintedSurface {
 public:
  PrintedSurface(const QFont& font, int right, const QColor& ink, const QColor& ground);

  // Draws the line on a surface the size of `window`, made at the first
  // print with the window's device pixel ratio; returns the area that
  // changed, empty when the line lies outside.
  QRect print(const core::PrintedLine& line, QSize window, qreal pixelRatio);
  // Wipes what was printed in `region`; returns the part that held any.
  QRegion erase(const QRegion& region);
  // Wipes everything and lets the surface go until the next print.
  void clear();
  // Draws what was printed within `region` onto the form.
  void paint(QPainter& painter, const QRegion& region) const;

  QRect lineRect(const core::PrintedLine& line) const;
  // The printed pixels on the form's colour; null before the first print
  // and after a clear.
  const QImage& image() const { return image_; }

 private:
  QFont font_;
  int right_;
  int lineSpacing_;
  QColor ink_;
  QColor ground_;
  QImage image_;
  QRect inked_;  // bounds every pixel printed since the surface was made
};

}  // namespace umrak::ui
