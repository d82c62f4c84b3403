// A colour list of 100,000 entries: loading a CDT file with the view, saving it, each sort and
// deleting every other entry.
#include <filesystem>
#include <memory>
#include <random>

#include <benchmark/benchmark.h>
#include <QItemSelectionModel>
#include <QListView>
#include <QScrollBar>
#include <QTest>

#include "app/application.h"
#include "app/main_window.h"
#include "app/tintora_style.h"
#include "colourlist/colour_list_pane.h"
#include "core/colour/number_text.h"
#include "core/formats/cdt.h"
#include "core/formats/colour_list_files.h"
#include "core/io/file_io.h"
#include "formats/list_files.h"
#include "null_services.h"
#include "qt_bench_main.h"

namespace {

constexpr int kEntries = 100000;
tintora::NullServices services;

std::filesystem::path Folder() {
  static const std::filesystem::path folder = [] {
    auto f = std::filesystem::temp_directory_path() / "tintora-bench";
    std::filesystem::create_directories(f);
    return f;
  }();
  return folder;
}

// 100,000 named colours, shuffled, as a CDT file.
QString BigListFile() {
  static const QString path = [] {
    std::mt19937 random(42);
    tintora::ColourList list;
    for (int i = 0; i < kEntries; ++i) {
      const int c = static_cast<int>(random() & 0xFFFFFF);
      list.Append({"Colour " + std::to_string(i) + " " + tintora::IntToHex(c, 6), tintora::IntToHex(c, 6)});
    }
    const auto file = Folder() / "big.cdt";
    if (tintora::WriteFileAtomically(file, tintora::ParseDataForCDTFile(list))) std::abort();
    return QString::fromStdString(file.string());
  }();
  return path;
}

std::unique_ptr<tintora::MainWindow> MakeWindow() {
  auto form = std::make_unique<tintora::MainWindow>(services);
  form->SetSettingsFile(QString::fromStdString((Folder() / "bench.ini").string()));
  form->StartUp({});
  form->show();
  return form;
}

void Load(tintora::MainWindow& form) {
  form.Files().SetOpenDialog(BigListFile(), tintora::ListFormat::Cdt);
  form.Files().CustomColourFileOpenAccept();  // a list already there is replaced (the question answers no)
}

void BM_LoadCdtWithView(benchmark::State& state) {
  auto form = MakeWindow();
  for (auto _ : state) {
    Load(*form);
    if (form->List().Count() != kEntries) state.SkipWithError("list not loaded");
  }
}
BENCHMARK(BM_LoadCdtWithView)->Unit(benchmark::kMillisecond);

void BM_SaveCdt(benchmark::State& state) {
  auto form = MakeWindow();
  Load(*form);
  const QString out = QString::fromStdString((Folder() / "saved.cdt").string());
  for (auto _ : state)
    if (form->Files().SaveAsAccept(out, tintora::ListFormat::Cdt) != tintora::SaveOutcome::Saved)
      state.SkipWithError("not saved");
}
BENCHMARK(BM_SaveCdt)->Unit(benchmark::kMillisecond);

void BM_Sort(benchmark::State& state) {
  auto form = MakeWindow();
  for (auto _ : state) {
    state.PauseTiming();
    Load(*form);  // shuffled again
    state.ResumeTiming();
    form->ListPane().SortList(static_cast<tintora::SortKey>(state.range(0)));
  }
}
BENCHMARK(BM_Sort)->DenseRange(0, 4)->ArgName("code")->Unit(benchmark::kMillisecond);

// Scrolling the view of 100,000 entries by a page and painting it at once.
void BM_ScrollAPage(benchmark::State& state) {
  auto form = MakeWindow();
  Load(*form);
  auto* view = form->findChild<QListView*>("CustomColourListBox");
  if (!view->isVisible() || !QTest::qWaitForWindowExposed(form.get())) state.SkipWithError("list not shown");
  auto* bar = view->verticalScrollBar();
  if (bar->maximum() == 0) state.SkipWithError("nothing to scroll");
  for (auto _ : state) {
    bar->setValue(bar->value() + bar->pageStep() > bar->maximum() ? 0 : bar->value() + bar->pageStep());
    view->viewport()->repaint();
  }
}
BENCHMARK(BM_ScrollAPage)->Unit(benchmark::kMicrosecond);

void BM_DeleteEveryOtherEntry(benchmark::State& state) {
  auto form = MakeWindow();
  auto* view = form->findChild<QListView*>("CustomColourListBox");
  for (auto _ : state) {
    state.PauseTiming();
    Load(*form);
    QItemSelection every;
    for (int row = 0; row < kEntries; row += 2)
      every.select(view->model()->index(row, 0), view->model()->index(row, 0));
    view->selectionModel()->select(every, QItemSelectionModel::ClearAndSelect);
    state.ResumeTiming();
    form->ListPane().DeleteSelectedColours();
  }
}
BENCHMARK(BM_DeleteEveryOtherEntry)->Unit(benchmark::kMillisecond)->Iterations(3);

// A start as a designer's day begins: a settings file with the advanced panes, the harmony
// colours and auto-load on, which opens the 100,000-colour list again; from constructing the
// window until the list is in it.
void BM_StartUpWithSettingsAndAutoOpenedList(benchmark::State& state) {
  const auto ini = Folder() / "start.ini";
  const std::string text = "[Start]\r\nAutoOpen=" + BigListFile().toStdString() +
                           "\r\n[RGB Values]\r\nAdvancedMode=1\r\n[External Colour]\r\nAutoOpenActive=1\r\n"
                           "[Colour Viewer]\r\nShowComplimentary=1\r\nComplimentaryStyle=6\r\n";
  if (tintora::WriteFileAtomically(ini, text)) state.SkipWithError("no settings file");
  for (auto _ : state) {
    auto form = std::make_unique<tintora::MainWindow>(services);
    form->SetSettingsFile(QString::fromStdString(ini.string()));
    form->StartUp({});
    form->show();
    if (!RunUntil([&] { return form->List().Count() == kEntries; })) state.SkipWithError("not opened");
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartUpWithSettingsAndAutoOpenedList)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

TINTORA_QT_BENCHMARK_MAIN()
