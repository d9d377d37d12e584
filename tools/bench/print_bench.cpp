// The credit button through the real window: how long one print takes,
// from the click to the repainted window, early and late in a long run of
// prints, and the resident memory meanwhile. Runs on the offscreen platform.
//
//   umrak_print_bench [--prints N] [--batch B]
#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "program/application.h"
#include "window/form_window.h"

namespace umrak {

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
  int prints = 10000;
  int batch = 100;
};

Options parse(int argc, char* argv[]) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const int value = std::atoi(argv[i + 1]);
    if (name == "--prints") options.prints = std::max(value, 1);
    if (name == "--batch") options.batch = std::max(value, 1);
  }
  options.batch = std::min(options.batch, options.prints);
  return options;
}

// Resident memory in KiB, from the kernel's own count.
long residentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

double median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

}  // namespace

int programMain(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const Options options = parse(argc, argv);
  app::prepareQt();
  QApplication app(argc, argv);
  app::setUpApplication();
  ui::Form1Window window;
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  auto* button = static_cast<QAbstractButton*>(window.control(core::ControlId::Command13));

  // Microseconds of each print, the click, the drawing and the repaint: the
  // first batch and the latest, so that the figures take no memory of their own.
  const auto batch = static_cast<std::size_t>(options.batch);
  std::vector<double> first;
  std::vector<double> latest(batch);
  first.reserve(batch);
  double firstPrint = 0;
  std::printf("%10s %14s %12s\n", "prints", "median us", "RSS KiB");
  // A row after the first batch, then after ten times as many prints each time.
  long next = options.batch;
  for (int i = 1; i <= options.prints; ++i) {
    const auto start = Clock::now();
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();
    const double micros = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    if (i == 1) firstPrint = micros;
    if (first.size() < batch) first.push_back(micros);
    latest[static_cast<std::size_t>(i - 1) % batch] = micros;
    if (i == next || i == options.prints) {
      next *= 10;
      std::printf("%10d %14.1f %12ld\n", i, median(latest), residentKiB());
    }
  }
  if (window.model().printCount() != options.prints) {
    std::fprintf(stderr, "the window printed %d lines, not %d\n", window.model().printCount(),
                 options.prints);
    return 1;
  }

  const double early = median(first);
  const double late = median(latest);
  std::printf(
      "first print %.1f us; median of the first %d %.1f us, of the last %d %.1f us (x%.2f)\n",
      firstPrint, options.batch, early, options.batch, late, late / early);
  return 0;
}

}  // namespace umrak

int main(int argc, char* argv[]) {
  return umrak::programMain(argc, argv);
}
