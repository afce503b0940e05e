// A drop of one item from a maximal Set into another (the same bytes under
// another name, so that every item fits where it lands): the editor's own
// path through BeginDrag and DropItem, with the edit guard's copy of the open
// Sets, the question about the overwritten item's callers (answered No) and
// the calls found again by name. Side by side with a plain copy of the
// item's bytes from one Set's store into the other's.

#include <benchmark/benchmark.h>

#include <array>

#include "bench_workspace.h"
#include "editing/drag_drop.h"
#include "editing/edit_guard.h"
#include "editing/kind_edits.h"
#include "sets/set_files.h"
#include "storage/tables.h"

using namespace tolvane;

namespace {

// The number of the first user item of kinds 0 to 4, as the grids and lists count.
constexpr std::array<int, kSetFileKinds> kFirstUserItem{0, 48, 320, 0, 0};

// The two Sets open, for one benchmark.
struct TwoSets {
  explicit TwoSets(bench::BenchWorkspace& b)
      : ws(b.ws),
        source(OpenSet(ws, OpenMode::Open, b.files.Set())),
        target(OpenSet(ws, OpenMode::Open, b.files.Copy())) {}
  ~TwoSets() {
    UnloadDocument(ws, target);
    UnloadDocument(ws, source);
  }
  // The first named user item of the kind: the one a drag may start on.
  int FirstNamedItem(int kind) const {
    const KindEdits& edits = *EditsOfKind(kind);
    for (int n = kFirstUserItem[static_cast<std::size_t>(kind)];; ++n)
      if (edits.UserIndex(n) < 0 || edits.IsNamed(ws, source, edits.UserIndex(n))) return n;
  }
  Workspace& ws;
  int source;
  int target;
};

void BM_DropItemBetweenSets(benchmark::State& state) {
  bench::BenchWorkspace& b = bench::SharedWorkspace();
  const int kind = static_cast<int>(state.range(0));
  TwoSets sets(b);
  const int item = sets.FirstNamedItem(kind);
  // A drop that is refused measures nothing.
  const int messagesBefore = b.ui.messages;
  if (!BeginDrag(b.ws, sets.source, kind, item) ||
      DropItem(b.ws, b.ws.edits.drag, sets.target, kind, item) != DropResult::Copied) {
    state.SkipWithError(("the drop was refused after " + std::to_string(b.ui.messages - messagesBefore) +
                         " message(s)").c_str());
    return;
  }
  for (auto _ : state) {
    BeginDrag(b.ws, sets.source, kind, item);
    benchmark::DoNotOptimize(DropItem(b.ws, b.ws.edits.drag, sets.target, kind, item));
  }
  state.SetLabel("vs BM_CopyItemPlain/" + std::to_string(kind));
}

// Of the drop: the edit guard alone around an edit that does nothing. It
// copies every open Set and the edit records, so that a failing edit can put
// them back.
void BM_EditGuardOfTwoSets(benchmark::State& state) {
  bench::BenchWorkspace& b = bench::SharedWorkspace();
  TwoSets sets(b);
  for (auto _ : state) benchmark::DoNotOptimize(RunGuarded(b.ws, kArrangement, [] {}));
  // Its ratio to the drop is its share of it.
  state.SetLabel("vs BM_DropItemBetweenSets/0");
}

// The item's record, and its event bytes where it has them, assigned from
// the source store to the same place of the target store.
void CopyItemPlain(SetStores& to, const SetStores& from, int kind, int u) {
  const auto i = static_cast<std::size_t>(u);
  switch (kind) {
    case kArrangement: to.arrangements.records[i] = from.arrangements.records[i]; break;
    case kStyle:
      to.styles.headers[i] = from.styles.headers[i];
      to.styles.data[i] = from.styles.data[i];
      break;
    case kProgram: to.programs.records[i] = from.programs.records[i]; break;
    case kBackingSequence:
      to.backingSequences.records[i] = from.backingSequences.records[i];
      to.backingSequences.eventData[i] = from.backingSequences.eventData[i];
      break;
    case kSong:
      to.songs.records[i] = from.songs.records[i];
      to.songs.eventData[i] = from.songs.eventData[i];
      break;
    default: break;
  }
}

void BM_CopyItemPlain(benchmark::State& state) {
  bench::BenchWorkspace& b = bench::SharedWorkspace();
  const int kind = static_cast<int>(state.range(0));
  TwoSets sets(b);
  const int u = EditsOfKind(kind)->UserIndex(sets.FirstNamedItem(kind));
  for (auto _ : state) {
    CopyItemPlain(b.ws.Stores(sets.target), b.ws.Stores(sets.source), kind, u);
    benchmark::ClobberMemory();
  }
}

}  // namespace

// Arrangement, Style, Program, Backing Sequence, Song.
BENCHMARK(BM_DropItemBetweenSets)->DenseRange(kArrangement, kSong)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_EditGuardOfTwoSets)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_CopyItemPlain)->DenseRange(kArrangement, kSong)->Unit(benchmark::kMicrosecond)->UseRealTime();
