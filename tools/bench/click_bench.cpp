#include <benchmark/benchmark.h>

#include "events/form1.h"
#include "runtime/controls.h"
#include "runtime/dispatcher.h"

namespace umrak {

namespace {

using core::ControlId;

class CountingReporter : public core::ErrorReporter {
 public:
  void report(const core::RunError&) override { ++reports; }
  int reports = 0;
};

// The age button on the boxes of the worked example, through the dispatcher
// as the window delivers it.
void BM_Command7Click(benchmark::State& state) {
  CountingReporter reporter;
  form1::Form1 form(reporter);
  core::FormModel& model = form.model();
  model.userSetText(ControlId::Text1, u"1980");
  model.userSetText(ControlId::Text2, u"7");
  model.userSetText(ControlId::Text3, u"20");
  model.userSetText(ControlId::Text4, u"15");
  model.userSetText(ControlId::Text5, u"10");
  model.userSetText(ControlId::Text6, u"2002");
  for (auto _ : state) {
    benchmark::DoNotOptimize(form.raise(ControlId::Command7, core::Event::Click));
  }
  if (reporter.reports != 0 || model.text(ControlId::Label8) != u"22") {
    state.SkipWithError("Command7 did not compute the worked example");
  }
}
BENCHMARK(BM_Command7Click);

}  // namespace

}  // namespace umrak
