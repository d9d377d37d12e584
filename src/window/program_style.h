#pragma once

#include <QProxyStyle>

namespace umrak::ui {

// The program's style over the one the user chose (Fusion unless asked),
// with every menu right to left: Qt opens a context menu in the direction of
// its control, and some controls read left to right. Menus also name their
// items without the shortcut, for screen readers.
class ProgramStyle : public QProxyStyle {
  Q_OBJECT

 public:
  using QProxyStyle::polish;
  using QProxyStyle::QProxyStyle;

  void polish(QWidget* widget) override;
};

}  // namespace umrak::ui
