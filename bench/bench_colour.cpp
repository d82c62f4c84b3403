// Throughput of the per-pixel colour routines that the strips, palettes and wheel call.
#include <benchmark/benchmark.h>

#include "colour/hsv.h"
#include "colour/number_text.h"
#include "colour/websafe.h"

namespace {

void BM_HSVtoRGBHEX(benchmark::State& state) {
  long double hue = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::HSVtoRGBHEX(hue, 0.75L, 200));
    hue += 1.4173L;
    if (hue >= 360) hue -= 360;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HSVtoRGBHEX);

void BM_HSVtoColourValue(benchmark::State& state) {
  long double hue = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::HSVtoColourValue(hue, 0.75L, 200));
    hue += 1.4173L;
    if (hue >= 360) hue -= 360;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HSVtoColourValue);

void BM_ConvertRGBToWebSafe(benchmark::State& state) {
  int v = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::ConvertRGBToWebSafe(tintora::IntToHex(v, 6)));
    v = (v + 0x010203) & 0xFFFFFF;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertRGBToWebSafe);

void BM_ConvertDecimalToWebSafe(benchmark::State& state) {
  int v = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::ConvertDecimalToWebSafe(v));
    v = (v + 0x010203) & 0xFFFFFF;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertDecimalToWebSafe);

}  // namespace

BENCHMARK_MAIN();
