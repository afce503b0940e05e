// The library over the collection of 1000 Sets, side by side with a plain
// read of the same files: the scan, a scan again after one Set changed, the
// duplicate groups, and the filter over 64,000 items.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "library/duplicates.h"
#include "library/library.h"
#include "library/library_filter.h"
#include "set_collection.h"

namespace fs = std::filesystem;
using namespace tolvane;
using tolvane::bench::SharedCollection;

namespace {

Library ScanCollection(const Library* previous = nullptr) {
  auto& c = SharedCollection();
  return ScanLibrary(LibraryReadingOf(c.ws, nullptr), {c.setsFolder}, {}, previous);
}

void BM_ScanLibrary1000Sets(benchmark::State& state) {
  SharedCollection();
  for (auto _ : state) benchmark::DoNotOptimize(ScanCollection().items.size());
  state.SetLabel("vs BM_ReadPlain1000Sets");
}

// One Set's arrangement file gets a new time before each scan.
void BM_RescanLibrary1000SetsAfterOneChange(benchmark::State& state) {
  auto& c = SharedCollection();
  const Library first = ScanCollection();
  const std::string changed = c.sets[0] + ".ARR";
  for (auto _ : state) {
    state.PauseTiming();
    fs::last_write_time(changed, fs::last_write_time(changed) + std::chrono::seconds(1));
    state.ResumeTiming();
    const Library again = ScanCollection(&first);
    if (again.setsRead != 1) state.SkipWithError("more than the changed Set was read");
  }
  state.SetLabel("vs BM_ReadPlain1000Sets");
}

void BM_DuplicatesOf1000Sets(benchmark::State& state) {
  SharedCollection();
  for (auto _ : state) benchmark::DoNotOptimize(FindDuplicates(ScanCollection()).size());
  state.SetLabel("vs BM_ReadPlain1000Sets");
}

// The collection's items repeated up to 64,000 (the demo Set's half holds
// about 18,000), filtered by a text that some names contain.
void BM_FilterLibrary64000Items(benchmark::State& state) {
  Library library = ScanCollection();
  const std::vector<LibraryItem> items = library.items;
  while (library.items.size() < 64000) library.items.push_back(items[library.items.size() % items.size()]);
  library.items.resize(64000);
  LibraryFilter filter;
  filter.text = "rO";
  for (auto _ : state) benchmark::DoNotOptimize(FilterLibrary(library, filter).size());
  state.SetLabel("vs BM_CopyLibraryIndexes64000");
}

// The baseline of the filter: the list of all 64,000 indexes made.
void BM_CopyLibraryIndexes64000(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<std::uint32_t> all(64000);
    for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i;
    benchmark::DoNotOptimize(all.data());
  }
}

}  // namespace

BENCHMARK(BM_ScanLibrary1000Sets)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RescanLibrary1000SetsAfterOneChange)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DuplicatesOf1000Sets)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyLibraryIndexes64000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_FilterLibrary64000Items)->Unit(benchmark::kMicrosecond)->UseRealTime();
