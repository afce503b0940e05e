// Edits in combination: an edit undone after an edit of another kind leaves
// the Set that the second edit alone gives, byte for byte. On the demo Set
// and on generated Sets full of calls and links.

#include <gtest/gtest.h>

#include <span>

#include "edit_sets.h"
#include "editing/drag_drop.h"
#include "editing/edit_commands.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace tolvane::test {
namespace {

constexpr int kU = 48, kD = 320;  // the first user Style and Program numbers
constexpr auto kDelete = EditAction::Delete, kInsert = EditAction::Insert, kCut = EditAction::Cut,
               kPaste = EditAction::Paste;

struct Step {
  int kind;
  EditAction command;  // Details: a drag of item onto target
  int item, target = -1;
};

// The renumberings and pastes, then the cuts; the clipboards hold kCopies first.
const Step kSteps[] = {
    {kArrangement, kDelete, 3}, {kArrangement, kInsert, 0}, {kArrangement, EditAction::Details, 10, 2},
    {kStyle, EditAction::Details, kU + 2, kU + 5}, {kProgram, kDelete, kD + 1}, {kProgram, kInsert, kD + 4},
    {kProgram, EditAction::Details, kD + 9, kD + 2}, {kProgram, kDelete, kD + 63}, {kBackingSequence, kDelete, 1},
    {kBackingSequence, kInsert, 4}, {kBackingSequence, EditAction::Details, 7, 2}, {kSong, kDelete, 9},
    {kSong, kInsert, 0}, {kSong, EditAction::Details, 1, 8}, {kArrangement, kPaste, 40}, {kStyle, kPaste, kU + 6},
    {kBackingSequence, kPaste, 8}, {kSong, kPaste, 7}, {kArrangement, kCut, 12}, {kStyle, kCut, kU + 1},
    {kProgram, kCut, kD + 6}, {kBackingSequence, kCut, 3}, {kSong, kCut, 5}};
constexpr int kCuts = 5;
const Step kCopies[] = {{kArrangement, EditAction::Copy, 20}, {kStyle, EditAction::Copy, kU + 3},
                        {kProgram, EditAction::Copy, kD + 30}, {kBackingSequence, EditAction::Copy, 6},
                        {kSong, EditAction::Copy, 4}};

// Every named item calls user items at random; every item links at random.
SetStores CallingSet(std::uint32_t seed) {
  SetStores s = EditSet(seed);
  Rng rng(seed);
  const auto any = [&](int first, int count) { return static_cast<std::int16_t>(first + rng.Int(0, count - 1)); };
  const auto program = [&] { return rng.Chance(10) ? any(518, 2) : any(kD, 64); };
  for (auto& r : s.arrangements.records) {
    r.SetStyleNumber(any(kU, 8));
    for (int t = 0; t < kArrangementTracks; ++t) r.SetTrackProgram(t, program());
  }
  for (int i = 0; i < 8; ++i)
    for (int t = 0; t < kStyleTracks; ++t) s.styles.headers[static_cast<std::size_t>(i)].SetTrackProgram(t, program());
  for (int b = 0; b < kSequenceItemCount; ++b) {
    Bsq(s, b).SetArrangement(any(0, 64)), Bsq(s, b).SetStyle(any(kU, 8));
    Bsq(s, b).SetNext(static_cast<std::uint8_t>(any(0, 10))), Song(s, b).SetNext(static_cast<std::uint8_t>(any(0, 10)));
    for (int t = 0; t < kBackingSequenceTracks; ++t) Bsq(s, b).SetTrackProgram(t, program());
    for (int t = 0; t < kSongTracks; ++t) Song(s, b).SetTrackProgram(t, program());
  }
  return s;
}

class EditPairs : public ::testing::TestWithParam<int> {
 protected:
  void Do(const Step& s) {
    if (s.target < 0) ASSERT_TRUE(DispatchEditCommand(ws, 1, s.kind, s.item, s.command));
    else if (BeginDrag(ws, 1, s.kind, s.item)) DropItem(ws, ws.edits.drag, 1, s.kind, s.target);
  }
  // Set 1 afresh, the clipboards holding what kCopies puts there.
  void Start() {
    ws.edits = records;
    ws.Stores(1) = set;
    for (const Step& copy : kCopies) Do(copy);
  }

  EditWorkspace e;
  Workspace& ws = e.ws;
  const bool quiet = (e.ui.goOnUnasked = true, ws.prefs.warnDupl = 0, true);
  const EditRecords records = ws.edits;
  const int d = GetParam() ? e.Add(CallingSet(static_cast<std::uint32_t>(GetParam())), "SETX")
                           : OpenSet(ws, OpenMode::Open, std::string(TOLVANE_DATA_DIR) + "/DEMO/DEMO");
  const SetStores set = ws.Stores(d);
};

// The clipboard and undo record of every kind but `except` are alike.
bool SameHeld(const EditRecords& a, const EditRecords& b, int except) {
  const auto same = [&](int kind, const auto& x, const auto& y) {
    return kind == except || (x.clipboard == y.clipboard && x.undo == y.undo);
  };
  return same(kArrangement, a.arrangements, b.arrangements) && same(kStyle, a.styles, b.styles) &&
         same(kProgram, a.programs, b.programs) && same(kBackingSequence, a.backingSequences, b.backingSequences) &&
         same(kSong, a.songs, b.songs);
}

// Then the second undone too, in either order, gives the Set back.
TEST_P(EditPairs, AnEditUndoneAfterAnEditOfAnotherKindLeavesWhatTheSecondAloneGives) {
  for (const Step& second : std::span(kSteps).first(std::size(kSteps) - kCuts)) {
    Start();
    Do(second);
    const SetStores alone = ws.Stores(d);
    const EditRecords held = ws.edits;
    for (const Step& first : kSteps) {
      if (first.kind == second.kind) continue;
      SCOPED_TRACE(KindName(first.kind) + " " + std::to_string(first.item) + " undone after " +
                   KindName(second.kind) + " " + std::to_string(second.item));
      for (const bool firstUndoneFirst : {true, false}) {
        Start();
        Do(first);
        Do(second);
        for (const int kind : {firstUndoneFirst ? first.kind : second.kind, firstUndoneFirst ? second.kind : first.kind}) {
          ASSERT_TRUE(DispatchEditCommand(ws, 1, kind, 0, EditAction::Undo));
          if (kind == first.kind && firstUndoneFirst) e.ExpectSet(d, alone);
          if (kind == first.kind && firstUndoneFirst) EXPECT_TRUE(SameHeld(ws.edits, held, first.kind));
        }
        e.ExpectSet(d, set);
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(DemoAndGenerated, EditPairs, ::testing::Values(0, 7, 8, 9));

}  // namespace
}  // namespace tolvane::test
