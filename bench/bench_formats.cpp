// Every palette format read and written with 100,000 entries (Adobe swatch files with the
// 65,534 they can hold). Core only.
#include <random>

#include <benchmark/benchmark.h>

#include "colour/number_text.h"
#include "formats/aco.h"
#include "formats/list_formats.h"

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
  const ListFormat reader = format == ListFormat::AcoV0 ? ListFormat::Aco : format;
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

}  // namespace

BENCHMARK_MAIN();
