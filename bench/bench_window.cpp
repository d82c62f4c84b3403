// What a user feels in the main window: one slider step's whole propagation, one strip
// redraw, and the time from constructing the window to its first showing.
#include <memory>

#include <benchmark/benchmark.h>
#include <QAction>
#include <QCheckBox>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include "app/application.h"
#include "app/main_window.h"
#include "app/tintora_style.h"
#include "harmony/harmony_colours.h"
#include "harmony/wheel_options_window.h"
#include "mixer/colour_selector.h"
#include "mixer/colour_viewer.h"
#include "mixer/hs_mixer.h"
#include "null_services.h"
#include "qt_bench_main.h"

namespace {

tintora::NullServices services;

std::unique_ptr<tintora::MainWindow> MakeWindow() {
  auto form = std::make_unique<tintora::MainWindow>(services);
  form->StartUp({});
  form->show();
  // Timed as the user finds it: with what waits for the first picture built (the tool pages last).
  (void)QTest::qWaitFor([&] { return form->findChild<QWidget*>("TextToColourMemo") != nullptr; });
  return form;
}

// Red track bar steps back and forth: edits, CMY mirror, hue/saturation mixer, previews,
// percentages and the value field, with the active spectrum on (the worst case).
void BM_SliderStepPropagation(benchmark::State& state) {
  auto form = MakeWindow();
  form->findChild<QCheckBox*>("ActiveSpecCheckBox")->setChecked(true);
  form->findChild<QSlider*>("GreenTrackBar")->setValue(90);
  QSlider* red = form->findChild<QSlider*>("RedTrackBar");
  int v = 0;
  for (auto _ : state) {
    v = (v + 1) % 256;
    red->setValue(v);
  }
}
BENCHMARK(BM_SliderStepPropagation)->Unit(benchmark::kMicrosecond);

void BM_ActiveStripRedraw(benchmark::State& state) {
  auto form = MakeWindow();
  form->findChild<QSlider*>("RedTrackBar")->setValue(200);
  for (auto _ : state) form->HsMixer().ChangeSpectrumImage(tintora::SpectrumMode::ActiveSaturation);
}
BENCHMARK(BM_ActiveStripRedraw)->Unit(benchmark::kMicrosecond);

void BM_BasePaletteRedraw(benchmark::State& state) {
  auto form = MakeWindow();
  if (state.range(0)) form->findChild<QAction*>("SetWebsafePaletteOn1")->trigger();
  form->findChild<QSlider*>("RedTrackBar")->setValue(130);
  for (auto _ : state) form->Selector().PalettePanelUpdate(tintora::ColourComponent::Red);
}
BENCHMARK(BM_BasePaletteRedraw)->Arg(0)->Arg(1)->ArgName("websafe")->Unit(benchmark::kMicrosecond);

// The large (64 x 64) wheel with 360 divisions, outline and borders on.
void BM_WheelRedraw360(benchmark::State& state) {
  auto form = MakeWindow();
  form->findChild<QAction*>("ShowComplimentaryColours1")->trigger();
  form->findChild<QAction*>("ColourWheel1")->trigger();
  form->Viewer().ColourSelectorPanelReScale();
  form->WheelCustomizer()->findChild<QSpinBox*>("DivisionsUpDown")->setValue(360);
  form->findChild<QSlider*>("RedTrackBar")->setValue(230);
  for (auto _ : state) form->Harmony().DrawWheel();
}
BENCHMARK(BM_WheelRedraw360)->Unit(benchmark::kMicrosecond);

void BM_StartUpToFirstShownWindow(benchmark::State& state) {
  for (auto _ : state) {
    // Until the first picture: what waits for it (the advanced panes) is not counted.
    auto form = std::make_unique<tintora::MainWindow>(services);
    form->StartUp({});
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) state.SkipWithError("window never shown");
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpToFirstShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

TINTORA_QT_BENCHMARK_MAIN()
