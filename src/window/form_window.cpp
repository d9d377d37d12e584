#include "window/form_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QExposeEvent>
#include <QIcon>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QWindow>
#include <algorithm>
#include <utility>
#include <vector>

#include "window/accessible_names.h"
#include "window/command_button.h"
#include "window/control_factory.h"
#include "window/error_box.h"
#include "window/form_label.h"
#include "window/form_style.h"
#include "window/scroll_bar.h"
#include "window/taskbar_state.h"
#include "window/text_box.h"
#include "window/window_activation.h"
#include "window/window_icon.h"
#include "window/window_kind.h"

namespace umrak::ui {

namespace {

using core::ControlId;
using core::Event;

// A tool window has the small caption bar; the taskbar button is set apart,
// when the window is shown.
Qt::WindowFlags windowFlagsOf(const core::FormRecord& form, const WindowKind& kind) {
  Qt::WindowFlags flags = (kind.utility ? Qt::Tool : Qt::Window) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  if (form.minButton) flags |= Qt::WindowMinimizeButtonHint;
  if (form.maxButton) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

// Prints use the form's font and colours.
PrintedSurface printedSurfaceOf(const core::FormRecord& form, const QPalette& system) {
  return PrintedSurface(fontOf(form.font), clientSize(form).width(), colorOf(form.fore, system),
                        colorOf(form.back, system));
}

}  // namespace

Form1Window::Form1Window(core::ErrorReporter* reporter)
    : form_(*this),
      reporter_(reporter),
      printed_(printedSurfaceOf(model().description().form, palette())),
      announcer_(this) {
  setUpForm();
  createControls();
  orderTabs();
  model().setObserver(this);
}

Form1Window::~Form1Window() {
  model().setObserver(nullptr);
  for (const FormControl& control : controls_) control.widget->disconnect(this);
}

void Form1Window::setUpForm() {
  const core::FormRecord& form = model().description().form;
  kind_ = windowKindFor(form, runningWindowManager());
  setWindowFlags(windowFlagsOf(form, kind_));
  // Qt lets only main windows end the program when closed; this one is the
  // program's only window, tool window or not.
  setAttribute(Qt::WA_QuitOnClose);
  setWindowTitle(QString::fromUtf8(form.caption));
  if (const QImage icon = linkedWindowIcon(); !icon.isNull()) {
    setWindowIcon(QIcon(QPixmap::fromImage(icon)));
  }
  setLayoutDirection(directionOf(form.rightToLeft));
  setFont(fontOf(form.font));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, colorOf(form.back, palette));
  palette.setColor(QPalette::WindowText, colorOf(form.fore, palette));
  setPalette(palette);
  resize(clientSize(form));
}

// Qt stacks a later sibling above an earlier one; lowering each control in
// the stored order leaves the first on top and the labels at the bottom.
void Form1Window::createControls() {
  for (const core::ControlRecord& record : model().description().controls) {
    const FormControl& control = controls_[core::indexOf(record.id)] = createControl(record, this);
    control.widget->lower();
    propertyChanged(record.id);
    bind(record.id, control);
  }
}

void Form1Window::bind(ControlId id, const FormControl& control) {
  if (control.button) {
    connect(control.button, &QAbstractButton::clicked, this,
            [this, id] { raiseEvent(id, Event::Click); });
  }
  if (control.box) {
    connect(control.box, &TextBox::edited, this, [this, id](const std::u16string& text) {
      const QScopedValueRollback<std::optional<ControlId>> editing(editedBox_, id);
      model().userSetText(id, text);
    });
  }
  if (control.bar) {
    const auto deliver = [this, id](Event event) {
      return [this, id, event](int value) {
        model().userSetValue(id, static_cast<std::int16_t>(value));
        raiseEvent(id, event);
      };
    };
    connect(control.bar, &ScrollBar::changed, this, deliver(Event::Change));
    connect(control.bar, &ScrollBar::scrolled, this, deliver(Event::Scroll));
  }
}

void Form1Window::orderTabs() {
  std::vector<const core::ControlRecord*> stops;
  for (const core::ControlRecord& record : model().description().controls) {
    if (takesFocus(record.kind)) stops.push_back(&record);
  }
  std::ranges::sort(stops, {}, &core::ControlRecord::tabIndex);
  for (std::size_t i = 1; i < stops.size(); ++i) {
    setTabOrder(control(stops[i - 1]->id), control(stops[i]->id));
  }
  if (!stops.empty()) control(stops.front()->id)->setFocus();
}

// A click's results appear away from the focus, which stays on the button;
// they are announced once the click is done, an error box included.
void Form1Window::raiseEvent(ControlId id, Event event) {
  if (event != Event::Click) {
    form_.raise(id, event);
    emit eventRaised(id, event);
    return;
  }
  clickWrote_.emplace();
  clickPrinted_.clear();
  form_.raise(id, event);
  const std::vector<ControlId> wrote = *std::exchange(clickWrote_, std::nullopt);
  announcer_.announce(announcementOf(wrote, model(), std::exchange(clickPrinted_, {})));
  emit eventRaised(id, event);
}

// The box that the user is editing already shows what the model is given.
void Form1Window::propertyChanged(ControlId id) {
  const FormControl& control = controls_[core::indexOf(id)];
  if (clickWrote_) clickWrote_->push_back(id);
  if (control.box && editedBox_ != id) control.box->showText(model().text(id));
  if (control.label) {
    control.label->setText(qtText(model().text(id)));
    if (const QString name = spokenName(id, model().text(id)); !name.isEmpty()) {
      control.label->setAccessibleName(name);
    }
  }
  if (control.bar) control.bar->showValue(model().value(id));
}

void Form1Window::printed(const core::PrintedLine& line) {
  if (clickWrote_) clickPrinted_.push_back(line.text);
  update(printed_.print(line, size(), devicePixelRatioF()));
}

void Form1Window::programEnded() {
  close();
  QCoreApplication::quit();
}

void Form1Window::report(const core::RunError& error) {
  if (reporter_) {
    reporter_->report(error);
  } else {
    showErrorBox(this, windowTitle(), error);
  }
}

void Form1Window::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  printed_.paint(painter, event->region());
}

// The form does not keep what is printed on it: a resize repaints the whole
// window with the background.
void Form1Window::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  printed_.clear();
}

// Qt sends the show event before it maps the window. The program's own show
// asks for the focus, which the window gives to its first tab stop; a show
// that the window system made (a restore) asks for nothing.
void Form1Window::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  applyTaskbarState(this, !kind_.skipTaskbar);
  if (!event->spontaneous()) askForActivation(this);
  if (!watchingExposure_ && windowHandle()) {
    windowHandle()->installEventFilter(this);
    watchingExposure_ = true;
  }
}

// When the window is uncovered or restored, Qt shows its own copy of the
// window again and paints nothing, so the exposed region is known only from
// the exposure itself: what was printed there is wiped from the surface and
// that part repainted before Qt shows it.
bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose) {
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    update(printed_.erase(static_cast<QExposeEvent*>(event)->region()));
    QT_WARNING_POP
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace umrak::ui
