// The main() of benchmarks that need the program's windows: an application object on the
// offscreen platform with the program's look.
#pragma once

#include <benchmark/benchmark.h>

#include "app/application.h"
#include "app/tintora_style.h"

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
