// Throughput of the per-pixel colour routines that the strips, palettes and wheel call.
#include <benchmark/benchmark.h>

#include "core/design/design_helpers.h"

#include <random>
#include <string>
#include <vector>

#include "core/colour/colour_spaces.h"
#include "core/colour/css_colour.h"
#include "core/colour/hsv.h"
#include "core/colour/number_text.h"
#include "core/colour/websafe.h"

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

void BM_HsvToRgb8(benchmark::State& state) {
  long double hue = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::HsvToRgb8(hue, 0.75L, 200));
    hue += 1.4173L;
    if (hue >= 360) hue -= 360;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_HsvToRgb8);

void BM_ConvertRGBToWebSafe(benchmark::State& state) {
  int v = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::ConvertRGBToWebSafe(tintora::IntToHex(v, 6)));
    v = (v + 0x010203) & 0xFFFFFF;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertRGBToWebSafe);

void BM_WebSafeColour(benchmark::State& state) {
  tintora::Rgb8 c;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::WebSafeColour(c));
    c = {static_cast<std::uint8_t>(c.red + 1), static_cast<std::uint8_t>(c.green + 2),
         static_cast<std::uint8_t>(c.blue + 3)};
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WebSafeColour);

// Colours spread over the cube, the same on every run.
std::vector<tintora::Rgb8> SampleColours(std::size_t count) {
  std::mt19937 random(20261207);
  std::vector<tintora::Rgb8> colours(count);
  for (auto& c : colours) c = tintora::Rgb8::OfPixel(random());
  return colours;
}

// Writing one colour in a notation (the range argument is the notation).
void BM_WriteCssColour(benchmark::State& state) {
  const auto notation = static_cast<tintora::CssNotation>(state.range(0));
  const auto colours = SampleColours(4096);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::WriteCssColour(colours[i], notation));
    i = (i + 1) & 4095;
  }
  state.SetLabel(std::string(tintora::WordOfCssNotation(notation)));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WriteCssColour)->DenseRange(0, static_cast<int>(tintora::CssNotation::Name));

// Reading texts of one notation back.
void BM_ReadCssColour(benchmark::State& state) {
  const auto notation = static_cast<tintora::CssNotation>(state.range(0));
  std::vector<std::string> texts;
  for (auto c : SampleColours(4096)) texts.push_back(tintora::WriteCssColour(c, notation));
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::ReadCssColour(texts[i]));
    i = (i + 1) & 4095;
  }
  state.SetLabel(std::string(tintora::WordOfCssNotation(notation)));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadCssColour)->DenseRange(0, static_cast<int>(tintora::CssNotation::Name));

// Wide-gamut texts that need the gamut mapping.
void BM_ReadOutOfGamut(benchmark::State& state) {
  const std::vector<std::string> texts = {"color(display-p3 0 1 0)", "oklch(70% 0.4 140)", "lab(50 120 -90)",
                                          "color(rec2020 1 0.2 0)"};
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tintora::ReadCssColour(texts[i]));
    i = (i + 1) % texts.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadOutOfGamut);

void BM_GamutMapToSrgb(benchmark::State& state) {
  const tintora::Srgb displayP3Green = tintora::ToSrgb(tintora::ColourSpace::DisplayP3, {0, 1, 0});
  for (auto _ : state) benchmark::DoNotOptimize(tintora::GamutMapToSrgb(displayP3Green));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GamutMapToSrgb);

// Every 8-bit colour written in every notation and read back: a check too long for the test
// run, kept here where it is run on purpose. Any colour that comes back different fails it.
void BM_RoundTripEveryColour(benchmark::State& state) {
  for (auto _ : state) {
    long long wrong = 0;
    for (const auto& n : tintora::CssNotations())
      for (std::uint32_t p = 0; p <= 0xFFFFFF; ++p) {
        const tintora::Rgb8 c = tintora::Rgb8::OfPixel(p);
        if (tintora::ReadCssColour(tintora::WriteCssColour(c, n.notation)).colour != c) ++wrong;
      }
    if (wrong != 0) state.SkipWithError((std::to_string(wrong) + " colours did not come back").c_str());
  }
  state.SetItemsProcessed(state.iterations() * 0x1000000LL *
                          static_cast<long long>(tintora::CssNotations().size()));
}
BENCHMARK(BM_RoundTripEveryColour)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(1);

}  // namespace

// The design helpers a designer waits on: the contrast fix and the scale of eleven steps.
void BM_FixContrast(benchmark::State& state) {
  const tintora::Rgb8 fg = *tintora::Rgb8::OfHex("3366CC"), bg = *tintora::Rgb8::OfHex("222222");
  for (auto _ : state) benchmark::DoNotOptimize(tintora::FixContrast(fg, bg, tintora::ContrastTarget::AAA));
}
BENCHMARK(BM_FixContrast)->Unit(benchmark::kMicrosecond);
void BM_ColourScale(benchmark::State& state) {
  const tintora::Rgb8 colour = *tintora::Rgb8::OfHex("3B82F6");
  for (auto _ : state) benchmark::DoNotOptimize(tintora::ColourScale(colour));
}
BENCHMARK(BM_ColourScale)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
