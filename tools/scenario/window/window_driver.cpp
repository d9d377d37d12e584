#include "scenario/window/window_driver.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <utility>

#include "program/application.h"
#include "scenario/window/bar_input.h"
#include "scenario/window/text_input.h"
#include "scenario/window_factory.h"
#include "window/scroll_bar.h"
#include "window/text_box.h"

namespace umrak::scenario {

namespace {

// How often an action looks for an error box while it runs.
constexpr int kWatchMilliseconds = 5;

// The error box says "... رقم N" on its first line and the message below.
core::RunError readErrorBox(const QMessageBox& box) {
  static const QRegularExpression number(QStringLiteral("رقم\\s*(-?\\d+)"));
  const QString text = box.text();
  const QRegularExpressionMatch m = number.match(text);
  const int lineEnd = text.indexOf(QLatin1Char('\n'));
  const QString message = lineEnd < 0 ? QString() : text.mid(lineEnd + 1);
  return {m.hasMatch() ? m.captured(1).toInt() : 0, message.toStdString(), 0};
}

}  // namespace

WindowDriver::WindowDriver(std::shared_ptr<QApplication> app)
    : app_(std::move(app)), window_(std::make_unique<ui::Form1Window>()) {
  putOnClipboard(clipboard_);
  QObject::connect(window_.get(), &ui::Form1Window::eventRaised, window_.get(),
                   [this](core::ControlId control, core::Event event) {
                     const core::FormModel& m = window_->model();
                     std::string held =
                         unreleasedAfter(m.formRefCount(), m.liveControlRefs(), control, event);
                     if (!held.empty()) unreleased_.push_back(std::move(held));
                   });
  window_->show();
  [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window_.get());
}

WindowDriver::~WindowDriver() = default;

template <typename Action>
void WindowDriver::act(Action&& action) {
  QTimer watch;
  watch.setInterval(kWatchMilliseconds);
  QObject::connect(&watch, &QTimer::timeout, window_.get(), [this] { dismissErrorBox(); });
  watch.start();
  action();
  QCoreApplication::processEvents();
}

void WindowDriver::dismissErrorBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || !box->isVisible()) return;
  errors_.push_back(readErrorBox(*box));
  box->done(QMessageBox::Ok);
}

void WindowDriver::type(core::ControlId box, const std::u16string& text) {
  act([&] { enterText(boxOf(box), text, clipboard_); });
}

// Command7 begins left of the client area: the user clicks what is visible.
void WindowDriver::click(core::ControlId button) {
  QWidget* widget = window_->control(button);
  const QRect client(widget->mapFrom(window_.get(), QPoint(0, 0)), window_->size());
  const QPoint at = widget->rect().intersected(client).center();
  act([&] { QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at); });
}

void WindowDriver::change(core::ControlId bar, std::int16_t value, Via via) {
  act([&] {
    clickTo(barOf(*window_, bar), value, via == Via::Trough ? Part::Trough : Part::Arrows);
  });
}

void WindowDriver::scroll(core::ControlId bar, std::int16_t value) {
  act([&] { dragThumbTo(barOf(*window_, bar), value); });
}

void WindowDriver::setClipboard(const std::optional<std::u16string>& text) {
  clipboard_ = text;
  putOnClipboard(text);
}

void WindowDriver::paste(core::ControlId box) {
  act([&] { pasteAtEnd(boxOf(box), clipboard_); });
}

void WindowDriver::middleClick(core::ControlId box) {
  act([&] { middleClickInto(boxOf(box)); });
}

std::u16string WindowDriver::shown(core::ControlId control) {
  if (const ui::TextBox* box = window_->textBox(control)) return box->text();
  return qobject_cast<const QLabel*>(window_->control(control))->text().toStdU16String();
}

std::int16_t WindowDriver::value(core::ControlId bar) {
  return static_cast<std::int16_t>(barOf(*window_, bar).value());
}

int WindowDriver::printedCount() {
  return window_->model().printCount();
}

int WindowDriver::printPosition() {
  return window_->model().printPosition();
}

bool WindowDriver::ended() {
  return window_->model().ended() && !window_->isVisible();
}

std::vector<core::RunError> WindowDriver::takeErrors() {
  return std::exchange(errors_, {});
}

std::vector<std::string> WindowDriver::takeUnreleased() {
  return std::exchange(unreleased_, {});
}

bool WindowDriver::failNext(core::ControlId control, core::Op op, core::Status status) {
  window_->model().failNext(control, op, status);
  return true;
}

bool WindowDriver::saveScreenshot(const std::string& path) {
  return window_->grab().save(QString::fromStdString(path));
}

namespace {

// The offscreen platform says so each time a window asks for what it cannot
// do (raise itself, size hints for a window manager); nothing is wrong.
QtMessageHandler qtHandler = nullptr;

void quietOffscreen(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (qtHandler) qtHandler(type, context, message);
}

// Everything Qt needs to outlive: the arguments and the application.
struct QtSession {
  int argc = 1;
  char name[15] = "umrak-scenario";
  char* argv[2] = {name, nullptr};
  QApplication app{(app::prepareQt(), argc), argv};
};

}  // namespace

DriverFactory windowDriverFactory() {
  auto session = std::make_shared<std::shared_ptr<QtSession>>();
  return [session]() -> std::unique_ptr<Driver> {
    if (!*session) {
      qtHandler = qInstallMessageHandler(quietOffscreen);
      *session = std::make_shared<QtSession>();
      app::setUpApplication();
    }
    return std::make_unique<WindowDriver>(
        std::shared_ptr<QApplication>(*session, &(*session)->app));
  };
}

}  // namespace umrak::scenario
