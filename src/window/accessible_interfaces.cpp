#include "window/accessible_interfaces.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "window/accessible_line_box.h"
#include "window/announcer.h"
#include "window/form_window.h"
#include "window/line_box.h"

namespace umrak::ui {

namespace {

// Qt asks for the object's own class first, then for each base class.
QAccessibleInterface* interfaceFor(const QString& className, QObject* object) {
  if (className == QLatin1String(LineBox::staticMetaObject.className())) {
    return new AccessibleLineBox(static_cast<LineBox*>(object));
  }
  if (className == QLatin1String(Form1Window::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  if (className == QLatin1String(Notice::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  }
  return nullptr;
}

}  // namespace

void installAccessibleInterfaces() {
  QAccessible::installFactory(&interfaceFor);
}

}  // namespace umrak::ui
