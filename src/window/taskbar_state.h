#pragma once

class QWidget;

namespace umrak::ui {

// Gives the top-level `window` a taskbar button or not, as the form's record
// says. Call it before the window is mapped, from its show event: on X11 the
// window manager reads the window's skip-taskbar state when it maps the
// window. Other platforms keep their own rule.
void applyTaskbarState(QWidget* window, bool showInTaskbar);

}  // namespace umrak::ui
