// The main() of benchmarks that need the program's windows: an application object on the
// offscreen platform with the program's look.
#pragma once

#include <benchmark/benchmark.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "app/application.h"
#include "app/tintora_style.h"

// Runs the event loop until `done` holds, looked at after every batch of events rather than
// every 10 ms as QTest's wait does, so the time is the program's, not the wait's; false when
// `timeoutMs` passes first.
template <typename Done>
bool RunUntil(Done done, int timeoutMs = 10000) {
  QTimer wake;  // the loop waits for events; this one comes even when nothing else does
  wake.start(50);
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > timeoutMs) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

#define TINTORA_QT_BENCHMARK_MAIN()                                                              \
  int main(int argc, char** argv) {                                                              \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen"); \
    tintora::TintoraApplication app(argc, argv);                                                 \
    tintora::ApplyTintoraLook();                                                                 \
    benchmark::Initialize(&argc, argv);                                                          \
    benchmark::RunSpecifiedBenchmarks();                                                         \
    benchmark::Shutdown();                                                                       \
    return 0;                                                                                    \
  }
