// Every palette format read and written with 100,000 entries (Adobe swatch files with the
// 65,534 they can hold, Paint.NET palettes written with their 96). Core only.
#include <random>

#include <benchmark/benchmark.h>

#include "core/colour/number_text.h"
#include "core/formats/aco.h"
#include "core/formats/art_palettes.h"
#include "core/formats/list_formats.h"
#include "core/io/zip_archive.h"
#include "core/io/zip_writer.h"

namespace {

using tintora::ListFormat;

tintora::ColourList BigList(std::size_t n) {
  std::mt19937 random(42);
  tintora::ColourList list;
  std::vector<tintora::ColourEntry> entries;
  entries.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const int c = static_cast<int>(random() & 0xFFFFFF);
    entries.push_back(
        {"Colour " + std::to_string(i) + " " + tintora::IntToHex(c, 6), tintora::IntToHex(c, 6)});
  }
  list.Append(std::move(entries));
  return list;
}

std::size_t EntriesFor(ListFormat f) {
  if (f == ListFormat::PaintNet) return tintora::kPaintNetMaxColours;
  return f == ListFormat::Aco || f == ListFormat::AcoV0 ? tintora::kAcoMaxEntries : 100000;
}

void BM_Write(benchmark::State& state, ListFormat format) {
  const tintora::ColourList list = BigList(EntriesFor(format));
  for (auto _ : state) {
    auto written = tintora::WriteListFile(format, list);
    if (!written.Ok()) state.SkipWithError(written.error.c_str());
    benchmark::DoNotOptimize(written.bytes.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.Count()));
}

void BM_Read(benchmark::State& state, ListFormat format) {
  const tintora::ColourList list = BigList(EntriesFor(format));
  const std::string bytes = tintora::WriteListFile(format, list).bytes;
  const ListFormat reader = format == ListFormat::AcoV0      ? ListFormat::Aco
                            : format == ListFormat::PaintNet ? ListFormat::Txt
                                                             : format;
  for (auto _ : state) {
    auto read = tintora::ReadListFile(reader, bytes);
    if (read.entries.size() != list.Count()) state.SkipWithError("entries lost");
    benchmark::DoNotOptimize(read.entries.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * list.Count()));
}

#define FORMAT_BENCHMARKS(name)                                                       \
  BENCHMARK_CAPTURE(BM_Write, name, ListFormat::name)->Unit(benchmark::kMillisecond); \
  BENCHMARK_CAPTURE(BM_Read, name, ListFormat::name)->Unit(benchmark::kMillisecond)

FORMAT_BENCHMARKS(Cdt);
FORMAT_BENCHMARKS(AcoV0);
FORMAT_BENCHMARKS(Aco);
FORMAT_BENCHMARKS(Act);
FORMAT_BENCHMARKS(Txt);
FORMAT_BENCHMARKS(Html);
FORMAT_BENCHMARKS(Gpl);
FORMAT_BENCHMARKS(Ase);
FORMAT_BENCHMARKS(Css);
FORMAT_BENCHMARKS(Soc);
FORMAT_BENCHMARKS(ScribusXml);
FORMAT_BENCHMARKS(Kpl);
FORMAT_BENCHMARKS(Procreate);
FORMAT_BENCHMARKS(PaintNet);
FORMAT_BENCHMARKS(HexList);
FORMAT_BENCHMARKS(Tailwind);
FORMAT_BENCHMARKS(Scss);
FORMAT_BENCHMARKS(Less);
FORMAT_BENCHMARKS(DesignTokens);

// Files too big for Tintora to write in these formats, as other programs may: 100,000 lines of
// Paint.NET colours, and a SwatchBooker book of 100,000 Lab materials.
void BM_ReadLarge(benchmark::State& state, ListFormat format) {
  std::string bytes;
  if (format == ListFormat::Txt) {
    bytes = "; paint.net Palette File\r\n";
    for (int i = 0; i < 100000; ++i) bytes += "FF" + tintora::IntToHex(i * 167, 6) + "\r\n";
  } else {
    std::string xml =
        "<?xml version=\"1.0\"?><SwatchBook xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><materials>";
    std::string book = "<book>";
    for (int i = 0; i < 100000; ++i) {
      const std::string id = "c" + std::to_string(i);
      xml += "<color><metadata><dc:identifier>" + id + "</dc:identifier></metadata><values model=\"Lab\">" +
             std::to_string(i % 100) + " " + std::to_string(i % 61 - 30) + " 12.5</values></color>";
      book += "<swatch material=\"" + id + "\"/>";
    }
    xml += "</materials>" + book + "</book></SwatchBook>";
    const tintora::ZipEntryToWrite entries[] = {{"swatchbook.xml", xml, false}};
    bytes = tintora::WriteZip(entries);
  }
  for (auto _ : state) {
    auto read = tintora::ReadListFile(format, bytes);
    if (read.entries.size() != 100000) state.SkipWithError("entries lost");
    benchmark::DoNotOptimize(read.entries.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * 100000));
}
BENCHMARK_CAPTURE(BM_ReadLarge, PaintNet, ListFormat::Txt)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadLarge, SwatchBooker, ListFormat::SwatchBooker)->Unit(benchmark::kMillisecond);

}  // namespace

// The list sorted by each key (name, intensity, saturation, hue, value), the core's part of the
// list pane's Sort command.
void BM_SortList(benchmark::State& state) {
  const tintora::ColourList shuffled = BigList(100000);
  tintora::ColourList list;
  for (auto _ : state) {
    state.PauseTiming();
    list = shuffled;  // the last round's list goes here, untimed
    state.ResumeTiming();
    list.Sort(static_cast<tintora::SortKey>(state.range(0)));
    benchmark::DoNotOptimize(list.At(0).name.data());
  }
}
BENCHMARK(BM_SortList)->DenseRange(0, 4)->ArgName("key")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
