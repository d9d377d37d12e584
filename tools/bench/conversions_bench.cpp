#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/conversions.h"

namespace umrak {

namespace {

// Short texts as the date boxes and result labels hold them.
void BM_StrictConversion(benchmark::State& state, std::u16string_view text) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(core::strictConversion(text));
  }
}
BENCHMARK_CAPTURE(BM_StrictConversion, year, std::u16string_view(u"1980"));
BENCHMARK_CAPTURE(BM_StrictConversion, scroll_text, std::u16string_view(u" 20"));
BENCHMARK_CAPTURE(BM_StrictConversion, negative, std::u16string_view(u"-5"));
BENCHMARK_CAPTURE(BM_StrictConversion, fraction, std::u16string_view(u"2.5"));
BENCHMARK_CAPTURE(BM_StrictConversion, arabic_digits, std::u16string_view(u"١٩٨٠"));

void BM_LenientConversion(benchmark::State& state, std::u16string_view text) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(core::lenientConversion(text));
  }
}
BENCHMARK_CAPTURE(BM_LenientConversion, year, std::u16string_view(u"1980"));
BENCHMARK_CAPTURE(BM_LenientConversion, scroll_text, std::u16string_view(u" 20"));
BENCHMARK_CAPTURE(BM_LenientConversion, negative, std::u16string_view(u"-5"));
BENCHMARK_CAPTURE(BM_LenientConversion, trailing_letters, std::u16string_view(u"12abc"));
BENCHMARK_CAPTURE(BM_LenientConversion, empty, std::u16string_view(u""));
BENCHMARK_CAPTURE(BM_LenientConversion, hex, std::u16string_view(u"&HFF"));

// A mantissa of N digits with an exponent that scales it back to about 1:
// the time grows in step with N.
void BM_LongNumber(benchmark::State& state) {
  const auto digits = static_cast<std::size_t>(state.range(0));
  const std::string exponent = std::to_string(digits);
  const std::u16string text = u"1" + std::u16string(digits, u'3') + u"e-" +
                              std::u16string(exponent.begin(), exponent.end());
  for (auto _ : state) {
    benchmark::DoNotOptimize(core::strictConversion(text));
    benchmark::DoNotOptimize(core::lenientConversion(text));
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LongNumber)->RangeMultiplier(10)->Range(1000, 1000000)->Complexity(benchmark::oN);

void BM_StrStyleText(benchmark::State& state) {
  const auto value = static_cast<std::int16_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(core::strStyleText(value));
}
BENCHMARK(BM_StrStyleText)->Arg(1980)->Arg(0)->Arg(-1);

void BM_NumberText(benchmark::State& state, double value) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(core::numberText(value));
  }
}
BENCHMARK_CAPTURE(BM_NumberText, years, 22.0);
BENCHMARK_CAPTURE(BM_NumberText, negative_days, -5.0);
BENCHMARK_CAPTURE(BM_NumberText, zero, 0.0);
BENCHMARK_CAPTURE(BM_NumberText, fraction, 0.5);
BENCHMARK_CAPTURE(BM_NumberText, exponent, 1.5e-7);

void BM_IntegerText(benchmark::State& state) {
  const auto value = static_cast<std::int16_t>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(core::integerText(value));
}
BENCHMARK(BM_IntegerText)->Arg(5)->Arg(0);

}  // namespace

}  // namespace umrak
