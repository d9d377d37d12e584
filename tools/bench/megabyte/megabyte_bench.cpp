// A megabyte of digits in Text1, as after a paste, against ten digits: how
// long "أدخال" takes to bring up its error box when clicked straight after
// typing in the box, and a key press into the box takes to show. The same on bare Qt widgets gives
// the floor that Qt sets.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <memory>

#include "program/application.h"
#include "window/form_style.h"
#include "window/form_window.h"

namespace umrak {

namespace {

using core::ControlId;

constexpr int kMegabyte = 1 << 20;

QString digits(int count) {
  return QString(count, QLatin1Char('7'));
}

// Times from the start of an action to the first painting of a message box,
// when the user sees it, and then closes the box.
class BoxWatch : public QObject {
 public:
  BoxWatch() { qApp->installEventFilter(this); }
  ~BoxWatch() override { qApp->removeEventFilter(this); }

  void start() {
    shownAfter = -1;
    clock.start();
  }
  double shownAfter = -1;  // seconds

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Paint && shownAfter < 0) {
      shownAfter = static_cast<double>(clock.nsecsElapsed()) * 1e-9;
      QMetaObject::invokeMethod(
          box, [box] { box->done(QMessageBox::Ok); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QElapsedTimer clock;
};

// The paste that put the text there: select all, Ctrl+V, and wait for the
// keys, which the accessibility bridge may hold back.
void pasteInto(QLineEdit* box, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  QElapsedTimer waited;
  waited.start();
  while (box->text() != text && waited.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
  }
  QGuiApplication::clipboard()->clear();
}

// Each measured action is a function of its own, so that an instruction
// count can be taken of it alone:
//   valgrind --tool=callgrind --toggle-collect='*measured*' umrak_megabyte_bench ...

// Until the box has painted what the key press changed. With the
// accessibility bridge on, Qt first asks the screen reader whether it wants
// the key and delivers it when the answer comes.
[[gnu::noinline]] bool measuredKeyPress(QLineEdit* box, char key) {
  const qsizetype before = box->text().size();
  QTest::keyClick(box, key);
  QElapsedTimer waited;
  waited.start();
  while (box->text().size() == before && waited.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
  }
  box->repaint();
  return box->text().size() != before;
}

[[gnu::noinline]] void measuredClick(QWidget* button, QPoint at) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, at);
}

// The user has just typed or pasted into the box: the click takes the
// focus from it.
void typingIn(QWidget* box) {
  box->setFocus();
  QCoreApplication::processEvents();
}

std::unique_ptr<ui::Form1Window> windowWith(int count) {
  auto window = std::make_unique<ui::Form1Window>();
  window->show();
  [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(window.get());
  pasteInto(qobject_cast<QLineEdit*>(window->control(ControlId::Text1)), digits(count));
  QCoreApplication::processEvents();
  return window;
}

bool holds(QWidget* box, const benchmark::State& state) {
  return qobject_cast<QLineEdit*>(box)->text().size() == state.range(0);
}

void BM_AgeButtonBringsUpErrorBox(benchmark::State& state) {
  const auto window = windowWith(static_cast<int>(state.range(0)));
  if (!holds(window->control(ControlId::Text1), state)) return state.SkipWithError("no paste");
  QWidget* button = window->control(ControlId::Command7);
  const QPoint at = button->rect()
                        .intersected(QRect(button->mapFrom(window.get(), QPoint()), window->size()))
                        .center();
  QWidget* box = window->control(ControlId::Text1);
  BoxWatch watch;
  for (auto _ : state) {
    typingIn(box);
    watch.start();
    measuredClick(button, at);
    if (watch.shownAfter < 0) return state.SkipWithError("no error box came up");
    state.SetIterationTime(watch.shownAfter);
  }
}
BENCHMARK(BM_AgeButtonBringsUpErrorBox)
    ->Arg(10)
    ->Arg(kMegabyte)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_KeyPressIntoText1Shows(benchmark::State& state) {
  const auto window = windowWith(static_cast<int>(state.range(0)));
  if (!holds(window->control(ControlId::Text1), state)) return state.SkipWithError("no paste");
  auto* box = qobject_cast<QLineEdit*>(window->control(ControlId::Text1));
  box->setFocus();
  box->end(false);
  for (auto _ : state) {
    if (!measuredKeyPress(box, '5')) return state.SkipWithError("the key press did not arrive");
  }
}
BENCHMARK(BM_KeyPressIntoText1Shows)->Arg(10)->Arg(kMegabyte)->Unit(benchmark::kMillisecond);

// The floor: a bare line edit in the form's font and reading order, and a
// bare message box over a window that holds one.
struct BareWindow {
  explicit BareWindow(int count) {
    window.resize(619, 511);
    window.setLayoutDirection(Qt::RightToLeft);
    edit = new QLineEdit(&window);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setGeometry(10, 10, 80, 25);
    button = new QPushButton(QStringLiteral("أدخال"), &window);
    button->setGeometry(10, 50, 80, 25);
    QObject::connect(button, &QPushButton::clicked, &window, [this] {
      QMessageBox box(QMessageBox::Critical, QStringLiteral("Form1"),
                      QStringLiteral("خطأ في وقت التشغيل رقم 6\nفيض"), QMessageBox::Ok, &window);
      box.exec();
    });
    window.show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&window);
    pasteInto(edit, digits(count));
  }
  QWidget window;
  QLineEdit* edit;
  QPushButton* button;
};

void BM_QtFloorMessageBox(benchmark::State& state) {
  BareWindow bare(static_cast<int>(state.range(0)));
  if (!holds(bare.edit, state)) return state.SkipWithError("no paste");
  BoxWatch watch;
  for (auto _ : state) {
    typingIn(bare.edit);
    watch.start();
    measuredClick(bare.button, bare.button->rect().center());
    state.SetIterationTime(watch.shownAfter);
  }
}
BENCHMARK(BM_QtFloorMessageBox)
    ->Arg(10)
    ->Arg(kMegabyte)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_QtFloorKeyPress(benchmark::State& state) {
  BareWindow bare(static_cast<int>(state.range(0)));
  if (!holds(bare.edit, state)) return state.SkipWithError("no paste");
  bare.edit->setFocus();
  bare.edit->end(false);
  for (auto _ : state) {
    if (!measuredKeyPress(bare.edit, '5'))
      return state.SkipWithError("the key press did not arrive");
  }
}
BENCHMARK(BM_QtFloorKeyPress)->Arg(10)->Arg(kMegabyte)->Unit(benchmark::kMillisecond);

}  // namespace

int programMain(int argc, char** argv) {
  app::prepareQt();
  QApplication app(argc, argv);
  app::setUpApplication();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace umrak

int main(int argc, char* argv[]) {
  return umrak::programMain(argc, argv);
}
