// Adjust Selected Colours with 10,000 entries selected: one slider step with the preview
// painted, and Accept writing all of them (with its undo step and the list's redraw).
#include <memory>
#include <random>

#include <benchmark/benchmark.h>
#include <QAction>
#include <QImage>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>

#include "app/main_window.h"
#include "colourlist/adjust_window.h"
#include "core/colour/number_text.h"
#include "core/formats/cdt.h"
#include "core/formats/colour_list_files.h"
#include "core/io/file_io.h"
#include "formats/list_files.h"
#include "null_services.h"
#include "qt_bench_main.h"

namespace {

tintora::NullServices services;

std::unique_ptr<tintora::MainWindow> WindowWithSelection(int entries) {
  std::mt19937 random(7);
  tintora::ColourList list;
  for (int i = 0; i < entries; ++i) {
    const int c = static_cast<int>(random() & 0xFFFFFF);
    list.Append({"Colour " + std::to_string(i), tintora::IntToHex(c, 6)});
  }
  const auto file = std::filesystem::temp_directory_path() / "tintora-bench-adjust.cdt";
  if (tintora::WriteFileAtomically(file, tintora::ParseDataForCDTFile(list))) std::abort();
  auto form = std::make_unique<tintora::MainWindow>(services);
  form->StartUp({});
  form->show();
  form->Files().SetOpenDialog(QString::fromStdString(file.string()), tintora::ListFormat::Cdt);
  form->Files().CustomColourFileOpenAccept();
  form->findChild<QListView*>("CustomColourListBox")->selectAll();
  form->findChild<QAction*>("AdjustSelectedColours1")->trigger();
  return form;
}

void BM_AdjustSliderStep(benchmark::State& state) {
  auto form = WindowWithSelection(10000);
  tintora::AdjustWindow* w = form->Adjust();
  // What the scroll box shows of the preview, painted as the screen would get it.
  QImage screen(w->findChild<QScrollArea*>("ScrollBox1")->viewport()->size(), QImage::Format_RGB32);
  const QRegion shown(QRect(QPoint(0, 0), screen.size()));
  auto* hueBar = w->findChild<QSlider*>("HueTrackBar");
  int hue = 0;
  for (auto _ : state) {
    hueBar->setValue(hue = (hue + 1) % 361);
    w->Preview().render(&screen, {}, shown);
  }
}
BENCHMARK(BM_AdjustSliderStep)->Unit(benchmark::kMicrosecond);

void BM_AdjustAccept(benchmark::State& state) {
  auto form = WindowWithSelection(10000);
  tintora::AdjustWindow* w = form->Adjust();
  auto* hueBar = w->findChild<QSlider*>("HueTrackBar");
  auto* accept = w->findChild<QPushButton*>("AdjustAcceptButton");
  int hue = 0;
  for (auto _ : state) {
    hueBar->setValue(hue = hue % 360 + 1);
    accept->click();
  }
}
BENCHMARK(BM_AdjustAccept)->Unit(benchmark::kMillisecond);

}  // namespace

TINTORA_QT_BENCHMARK_MAIN();
