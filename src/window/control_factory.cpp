#include "window/control_factory.h"

#include "window/accessible_names.h"
#include "window/command_button.h"
#include "window/context_menu_key.h"
#include "window/form_label.h"
#include "window/form_style.h"
#include "window/frame_strip.h"
#include "window/scroll_bar.h"
#include "window/text_box.h"

namespace umrak::ui {

namespace {

using core::Kind;

void setColors(QWidget* widget, QPalette::ColorRole back, QPalette::ColorRole fore,
               const core::ControlRecord& record) {
  QPalette palette = widget->palette();
  palette.setColor(back, colorOf(record.back, palette));
  palette.setColor(fore, colorOf(record.fore, palette));
  widget->setPalette(palette);
}

QString captionOf(const core::ControlRecord& record) {
  return QString::fromUtf8(record.text ? record.text : "");
}

CommandButton* createButton(const core::ControlRecord& record, QWidget* parent) {
  auto* button = new CommandButton(captionOf(record), parent);
  setColors(button, QPalette::Button, QPalette::ButtonText, record);
  return button;
}

// A label is painted on its whole rectangle, wraps at word boundaries and is
// cut off at its bottom edge; it never resizes itself.
FormLabel* createLabel(const core::ControlRecord& record, QWidget* parent) {
  auto* label = new FormLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  const Qt::Alignment across = record.rightJustified ? Qt::AlignRight : Qt::AlignLeft;
  label->setAlignment(across | Qt::AlignAbsolute | Qt::AlignTop);
  label->setAutoFillBackground(true);
  setColors(label, QPalette::Window, QPalette::WindowText, record);
  return label;
}

FrameStrip* createFrame(const core::ControlRecord& record, QWidget* parent) {
  auto* frame = new FrameStrip(captionOf(record), parent);
  setColors(frame, QPalette::Window, QPalette::WindowText, record);
  return frame;
}

ScrollBar* createScrollBar(const core::ControlRecord& record, QWidget* parent) {
  const Qt::Orientation orientation =
      record.kind == Kind::HScrollBar ? Qt::Horizontal : Qt::Vertical;
  auto* bar = new ScrollBar(orientation, parent);
  bar->setRange(record.scroll.min, record.scroll.max);
  bar->setSingleStep(record.scroll.smallChange);
  bar->setPageStep(record.scroll.largeChange);
  bar->showValue(record.scroll.value);
  QPalette palette = bar->palette();
  palette.setColor(QPalette::Button, colorOf(record.back, palette));
  bar->setPalette(palette);
  return bar;
}

FormControl createByKind(const core::ControlRecord& record, QWidget* parent) {
  switch (record.kind) {
    case Kind::CommandButton: {
      CommandButton* button = createButton(record, parent);
      return {.widget = button, .button = button};
    }
    case Kind::TextBox: {
      TextBox* box = TextBox::create(record, parent);
      return {.widget = box->widget(), .box = box};
    }
    case Kind::Label: {
      FormLabel* label = createLabel(record, parent);
      return {.widget = label, .label = label};
    }
    case Kind::Frame:
      return {.widget = createFrame(record, parent)};
    case Kind::HScrollBar:
    case Kind::VScrollBar: {
      ScrollBar* bar = createScrollBar(record, parent);
      return {.widget = bar, .bar = bar};
    }
  }
  return {};
}

// Boxes and bars are the controls with a context menu.
bool hasContextMenu(core::Kind kind) {
  return kind == Kind::TextBox || kind == Kind::HScrollBar || kind == Kind::VScrollBar;
}

}  // namespace

bool takesFocus(core::Kind kind) {
  return kind != Kind::Label && kind != Kind::Frame;
}

FormControl createControl(const core::ControlRecord& record, QWidget* parent) {
  const FormControl control = createByKind(record, parent);
  QWidget* widget = control.widget;
  widget->setObjectName(QString::fromLatin1(core::controlName(record.id)));
  widget->setGeometry(pixelRect(record));
  widget->setFont(fontOf(record.font));
  widget->setLayoutDirection(directionOf(record.rightToLeft));
  widget->setFocusPolicy(takesFocus(record.kind) ? Qt::StrongFocus : Qt::NoFocus);
  if (hasContextMenu(record.kind)) new ContextMenuKey(widget);
  if (const QString name = spokenName(record.id, {}); !name.isEmpty()) {
    widget->setAccessibleName(name);
  }
  return control;
}

}  // namespace umrak::ui
