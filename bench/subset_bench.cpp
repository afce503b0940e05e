// The subset command over a collection of 1000 Sets, side by side with a
// plain read of the same files: what reading the Sets through the editor and
// building the table costs over the reading itself.

#include <benchmark/benchmark.h>

#include <streambuf>

#include "commands.h"
#include "report_commands.h"
#include "set_collection.h"
#include "storage/tables.h"

using namespace tolvane;
using tolvane::bench::SharedCollection;

namespace {

// Standard output of the command, thrown away.
class Discard : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_SubsetOf1000Sets(benchmark::State& state) {
  auto& c = SharedCollection();
  Discard discard;
  std::ostream out(&discard);
  CliContext cx{c.ws, c.ui, out, out};
  for (auto _ : state) benchmark::DoNotOptimize(SubsetCommand(cx, static_cast<int>(state.range(0)), c.sets));
  state.SetLabel("vs BM_ReadPlain1000Sets");
}

void BM_ReadPlain1000Sets(benchmark::State& state) {
  const auto& c = SharedCollection();
  for (auto _ : state) tolvane::bench::ReadCollectionPlain(c);
}

}  // namespace

BENCHMARK(BM_ReadPlain1000Sets)->Unit(benchmark::kMillisecond)->UseRealTime();
// Arrangements, Styles, Programs.
BENCHMARK(BM_SubsetOf1000Sets)->Arg(kArrangement)->Arg(kStyle)->Arg(kProgram)->Unit(benchmark::kMillisecond)->UseRealTime();
