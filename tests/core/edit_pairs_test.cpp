// Edits in combination. An edit undone after an edit of another kind leaves
// the Set that the second edit alone gives, byte for byte; an item held in
// the clipboard while a kind it calls is renumbered pastes as if it had been
// pasted first. On the demo Set and on generated Sets full of calls.

#include <gtest/gtest.h>

#include "edit_sets.h"
#include "editing/drag_drop.h"
#include "editing/edit_commands.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace tolvane::test {
namespace {

constexpr EditAction kDrag = EditAction::Details;  // in the tables: a drag of item onto target
constexpr int kU = 48, kD = 320;                      // the first user Style and Program numbers

struct Step {
  int kind;
  EditAction command;
  int item;
  int target = -1;
};

const Step kRenumberings[] = {
    {kArrangement, EditAction::Delete, 3},  {kArrangement, EditAction::Insert, 0},
    {kArrangement, kDrag, 10, 2},           {kStyle, kDrag, kU + 2, kU + 5},
    {kProgram, EditAction::Delete, kD + 1}, {kProgram, EditAction::Insert, kD + 4},
    {kProgram, kDrag, kD + 9, kD + 2},      {kProgram, EditAction::Delete, kD + 63},
    {kBackingSequence, EditAction::Delete, 1}, {kBackingSequence, EditAction::Insert, 4},
    {kBackingSequence, kDrag, 7, 2},        {kSong, EditAction::Delete, 9},
    {kSong, EditAction::Insert, 0},         {kSong, kDrag, 1, 8},
};
const Step kCuts[] = {{kArrangement, EditAction::Cut, 12}, {kStyle, EditAction::Cut, kU + 1},
                      {kProgram, EditAction::Cut, kD + 6}, {kBackingSequence, EditAction::Cut, 3},
                      {kSong, EditAction::Cut, 5}};
// What each kind's clipboard holds before the scenarios start.
const Step kCopies[] = {{kArrangement, EditAction::Copy, 20}, {kStyle, EditAction::Copy, kU + 3},
                        {kProgram, EditAction::Copy, kD + 30}, {kBackingSequence, EditAction::Copy, 6},
                        {kSong, EditAction::Copy, 4}};

SetStores DemoSet() {
  SetStores demo;
  for (int k = 0; k < kSetFileKinds; ++k)
    EXPECT_TRUE(DecodeKindFile(ReadFileBytes(std::string(TOLVANE_DATA_DIR) + "/DEMO/DEMO" + KindExtension(k)), demo, k));
  return demo;
}

// Every named item calls user items at random; every item links at random.
SetStores CallingSet(std::uint32_t seed) {
  SetStores s = EditSet(seed);
  Rng rng(seed);
  const auto program = [&] { return static_cast<std::int16_t>(rng.Chance(10) ? 518 + rng.Int(0, 1) : kD + rng.Int(0, 63)); };
  for (int a = 0; a < kArrangementCount; ++a) {
    Arr(s, a).SetStyleNumber(static_cast<std::int16_t>(kU + rng.Int(0, 7)));
    for (int t = 0; t < kArrangementTracks; ++t) Arr(s, a).SetTrackProgram(t, program());
  }
  for (int i = 0; i < 8; ++i)
    for (int t = 0; t < kStyleTracks; ++t) s.styles.headers[static_cast<std::size_t>(i)].SetTrackProgram(t, program());
  for (int b = 0; b < kSequenceItemCount; ++b) {
    Bsq(s, b).SetArrangement(static_cast<std::int16_t>(rng.Int(0, 63)));
    Bsq(s, b).SetStyle(static_cast<std::int16_t>(kU + rng.Int(0, 7)));
    Bsq(s, b).SetNext(static_cast<std::uint8_t>(rng.Int(0, 9)));
    Song(s, b).SetNext(static_cast<std::uint8_t>(rng.Int(0, 9)));
    for (int t = 0; t < kBackingSequenceTracks; ++t) Bsq(s, b).SetTrackProgram(t, program());
    for (int t = 0; t < kSongTracks; ++t) Song(s, b).SetTrackProgram(t, program());
  }
  return s;
}

class EditPairs : public ::testing::TestWithParam<int> {
 protected:
  EditPairs() : set(GetParam() == 0 ? DemoSet() : CallingSet(static_cast<std::uint32_t>(GetParam()))) {
    ws.prefs.warnDupl = 0;
    e.ui.goOnUnasked = true;
  }
  void Do(const Step& s) {
    if (s.target < 0) {
      ASSERT_TRUE(DispatchEditCommand(ws, d, s.kind, s.item, s.command));
    } else if (BeginDrag(ws, d, s.kind, s.item)) {
      DropItem(ws, ws.edits.drag, d, s.kind, s.target);
    }
  }
  void Undo(int kind) { ASSERT_TRUE(DispatchEditCommand(ws, 1, kind, 0, EditAction::Undo)); }
  // Set 1 holds the Set afresh, the clipboards what kCopies puts there.
  void Start() {
    ws.edits = records;
    ws.Stores(1) = set;
    for (const Step& copy : kCopies) Do(copy);
  }

  EditWorkspace e;
  Workspace& ws = e.ws;
  const EditRecords records = ws.edits;
  SetStores set;
  const int d = e.Add(set, "SETX");
};

TEST_P(EditPairs, AnEditUndoneAfterAnEditOfAnotherKindLeavesWhatTheSecondAloneGives) {
  std::vector<Step> first(std::begin(kRenumberings), std::end(kRenumberings));
  first.insert(first.end(), std::begin(kCuts), std::end(kCuts));
  for (const Step& second : kRenumberings) {
    Start();
    Do(second);
    const SetStores alone = ws.Stores(d);
    for (const Step& edit : first) {
      if (edit.kind == second.kind) continue;
      SCOPED_TRACE(KindName(edit.kind) + " " + std::to_string(edit.item) + ", then " + KindName(second.kind) + " " +
                   std::to_string(second.item) + " (command " + std::to_string(static_cast<int>(second.command)) + ")");
      Start();
      Do(edit);
      Do(second);
      Undo(edit.kind);
      e.ExpectSet(d, alone);
    }
  }
}

// The item copied, a renumbering of a kind it calls, then the paste; and the
// paste first.
TEST_P(EditPairs, AHeldItemFollowsTheRenumberingsOfWhatItCalls) {
  const Step pastes[] = {{kArrangement, EditAction::Paste, 63}, {kStyle, EditAction::Paste, kU + 7},
                         {kBackingSequence, EditAction::Paste, 9}, {kSong, EditAction::Paste, 8}};
  for (const Step& paste : pastes)
    for (const Step& renumbering : kRenumberings) {
      if (renumbering.kind == paste.kind) continue;
      SCOPED_TRACE(KindName(paste.kind) + " pasted around " + KindName(renumbering.kind) + " " +
                   std::to_string(renumbering.item));
      Start();
      Do(paste);
      Do(renumbering);
      const SetStores pastedFirst = ws.Stores(d);
      Start();
      Do(renumbering);
      Do(paste);
      e.ExpectSet(d, pastedFirst);
    }
}

INSTANTIATE_TEST_SUITE_P(DemoAndGenerated, EditPairs, ::testing::Values(0, 7, 8));

}  // namespace
}  // namespace tolvane::test
