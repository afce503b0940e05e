// The Set report of a maximal Set: every item's name and, for every user
// Arrangement, Style and Program, the items that call it. Its baseline is the
// plain read of the Set's five files (BM_ReadSetPlain).

#include <benchmark/benchmark.h>

#include "bench_workspace.h"
#include "reports/set_report.h"
#include "sets/set_files.h"

using namespace tolvane;

namespace {

void BM_SetReport(benchmark::State& state) {
  bench::BenchWorkspace& b = bench::SharedWorkspace();
  const int d = OpenSet(b.ws, OpenMode::Open, b.files.Set());
  for (auto _ : state) benchmark::DoNotOptimize(BuildSetReport(b.ws, d, "01-01-2000  00:00"));
  UnloadDocument(b.ws, d);
  state.SetLabel("vs BM_ReadSetPlain");
}

}  // namespace

BENCHMARK(BM_SetReport)->Unit(benchmark::kMicrosecond)->UseRealTime();
