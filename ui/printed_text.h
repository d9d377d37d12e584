#pragma once

#include <QFont>
#include <QRect>
#include <QRegion>
#include <vector>

#include "core/form_model.h"

class QPainter;

namespace ui {

// Text printed on the form's surface. Each print is a line of its own: row r
// lies one line spacing of the form's font below row r - 1, and the first
// row starts at the top right of the client area, since the form reads right
// to left. `right` is the client area's right edge.
class PrintedText {
 public:
  PrintedText(const QFont& font, int right) : font_(font), right_(right) {}

  QRect lineRect(const core::PrintedLine& line) const;
  void draw(QPainter& painter, const std::vector<core::PrintedLine>& lines) const;
  // The rows whose lines a repaint of `region` covers.
  std::vector<int> rowsIn(const QRegion& region, const std::vector<core::PrintedLine>& lines) const;

 private:
  QFont font_;
  int right_;
};

}  // namespace ui
