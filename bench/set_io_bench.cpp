// Opening and saving a maximal Set through the editor, side by side with
// plain file calls on the same bytes. Every benchmark that has a baseline
// names it in its label ("vs BM_..."), which the table of figures follows.
// Every benchmark counts its iterations by wall-clock time (UseRealTime), so
// that a run keeps its length when other programs share the processors.

#include <benchmark/benchmark.h>

#include "bench_workspace.h"
#include "plain_io.h"
#include "sets/set_files.h"

using namespace tolvane;
using tolvane::bench::SharedWorkspace;

namespace {

void BM_ReadSet(benchmark::State& state) {
  bench::BenchWorkspace& b = SharedWorkspace();
  for (auto _ : state) {
    const int d = OpenSet(b.ws, OpenMode::Open, b.files.Set());
    benchmark::DoNotOptimize(b.ws.Stores(d).styles.sizes[0]);
    UnloadDocument(b.ws, d);
  }
  state.SetLabel("vs BM_ReadSetPlain");
}

void BM_ReadSetPlain(benchmark::State& state) {
  bench::BenchWorkspace& b = SharedWorkspace();
  for (auto _ : state) benchmark::DoNotOptimize(bench::ReadSetFilesPlain(b.files.Set()));
}

void BM_WriteSet(benchmark::State& state) {
  bench::BenchWorkspace& b = SharedWorkspace();
  const int d = OpenSet(b.ws, OpenMode::Open, b.files.Set());
  for (auto _ : state) benchmark::DoNotOptimize(SaveSet(b.ws, d, b.files.Folder() + "/OUT", true));
  UnloadDocument(b.ws, d);
  state.SetLabel("vs BM_WriteSetPlain");
}

void BM_WriteSetPlain(benchmark::State& state) {
  bench::BenchWorkspace& b = SharedWorkspace();
  const std::vector<Bytes> files = bench::ReadSetFilesPlain(b.files.Set());
  for (auto _ : state) bench::WriteSetFilesPlain(b.files.Folder() + "/PLAIN", files);
}

}  // namespace

BENCHMARK(BM_ReadSet)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_ReadSetPlain)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_WriteSet)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_WriteSetPlain)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK_MAIN();
