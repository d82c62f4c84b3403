// One heartbeat tick with capture on, against a real X server (run under xvfb-run): the plain
// read of the pixel under the pointer, the magnified read, both with a 9 x 9 square averaged in
// linear light, and the averaged read through a wide-gamut display profile.
#include <memory>

#include <QFile>

#include <benchmark/benchmark.h>
#include <QAction>
#include <QCursor>
#include <QTest>

#include "app/application.h"
#include "app/main_window.h"
#include "app/tintora_style.h"
#include "capture/pixel_capture.h"
#include "null_services.h"
#ifdef TINTORA_BENCH_XCB
#include "support/root_profile.h"
#endif

namespace {

tintora::NullServices* services = nullptr;

void Tick(benchmark::State& state, bool zoom, int sample = 1) {
  if (QGuiApplication::platformName() != "xcb") {
    state.SkipWithError("needs an X server: run under xvfb-run");
    return;
  }
  tintora::MainWindow form(*services);
  form.StartUp({});
  form.show();
  form.move(0, 0);
  (void)QTest::qWaitForWindowExposed(&form);
  // The tick as the user's window runs it, with what waits for the first picture built.
  (void)QTest::qWaitFor([&] { return form.findChild<QWidget*>("TextToColourMemo") != nullptr; });
  QCursor::setPos(900, 700);  // well away from the window
  form.Capture().PixelCaptureToggler();
  if (zoom) form.findChild<QAction*>("ZoomViewOnOff1")->setChecked(true);
  form.Capture().SetSampleSize(sample);
  for (auto _ : state) form.OnHeartbeat();
}

#ifdef TINTORA_BENCH_XCB
// The dearest tick: a 9 x 9 square averaged and turned into sRGB through a wide-gamut profile.
void BM_CaptureTickPlainAverage9Profile(benchmark::State& state) {
  QFile file("/usr/share/color/icc/compatibleWithAdobeRGB1998.icc");
  if (!file.open(QIODevice::ReadOnly)) {
    state.SkipWithError("needs icc-profiles-free's compatibleWithAdobeRGB1998.icc");
    return;
  }
  const QByteArray icc = file.readAll();
  tintora::testing::SetRootProfile(std::string_view(icc.constData(), static_cast<std::size_t>(icc.size())));
  Tick(state, false, 9);
  tintora::testing::SetRootProfile({});
}
BENCHMARK(BM_CaptureTickPlainAverage9Profile)->Unit(benchmark::kMicrosecond);
#endif

void BM_CaptureTickPlain(benchmark::State& state) { Tick(state, false); }
void BM_CaptureTickZoom(benchmark::State& state) { Tick(state, true); }
void BM_CaptureTickPlainAverage9(benchmark::State& state) { Tick(state, false, 9); }
void BM_CaptureTickZoomAverage9(benchmark::State& state) { Tick(state, true, 9); }
BENCHMARK(BM_CaptureTickPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptureTickPlainAverage9)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptureTickZoom)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptureTickZoomAverage9)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
  tintora::TintoraApplication app(argc, argv);
  tintora::ApplyTintoraLook();
  tintora::NullServices real;
  services = &real;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
