// One heartbeat tick with capture on, against a real X server (run under xvfb-run): the plain
// read of the pixel under the pointer, and the magnified read.
#include <memory>

#include <benchmark/benchmark.h>
#include <QAction>
#include <QCursor>
#include <QTest>

#include "app/application.h"
#include "app/main_window.h"
#include "app/tintora_style.h"
#include "capture/pixel_capture.h"
#include "null_services.h"

namespace {

tintora::NullServices* services = nullptr;

void Tick(benchmark::State& state, bool zoom) {
  if (QGuiApplication::platformName() != "xcb") {
    state.SkipWithError("needs an X server: run under xvfb-run");
    return;
  }
  tintora::MainWindow form(*services);
  form.StartUp({});
  form.show();
  form.move(0, 0);
  (void)QTest::qWaitForWindowExposed(&form);
  QCursor::setPos(900, 700);  // well away from the window
  form.Capture().PixelCaptureToggler();
  if (zoom) form.findChild<QAction*>("ZoomViewOnOff1")->setChecked(true);
  for (auto _ : state) form.OnHeartbeat();
}

void BM_CaptureTickPlain(benchmark::State& state) { Tick(state, false); }
void BM_CaptureTickZoom(benchmark::State& state) { Tick(state, true); }
BENCHMARK(BM_CaptureTickPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptureTickZoom)->Unit(benchmark::kMicrosecond);

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
