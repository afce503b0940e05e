// The Edit commands and drops on the Arrangements tab, run through the
// dispatcher as a window runs them: the Sets' bytes, the Backing Sequences'
// calls, every question and the Undo entry.

#include <gtest/gtest.h>

#include "edit_sets.h"
#include "editing/drag_drop.h"
#include "editing/edit_commands.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane::test {
namespace {

using Events = std::vector<std::string>;

class ArrangementEdits : public ::testing::Test {
 protected:
  bool Run(int set, int n, EditAction command) { return DispatchEditCommand(ws, set, kArrangement, n, command); }
  ArrangementRecord Empty() const { return ws.edits.arrangements.empty.item; }
  const ArrangementClip& Clipboard() const { return ws.edits.arrangements.clipboard; }
  int Code() const { return UndoCodeOf(ws, kArrangement); }
  // Writes x into its slot again, after a test has set its calls.
  void Reload() { ws.Stores(d) = x; }
  // s with item inserted at `at`: the following ones move down, the last drops out.
  static SetStores Inserted(SetStores s, int at, const ArrangementRecord& item) {
    for (int k = 63; k > at; --k) Arr(s, k) = Arr(s, k - 1);
    Arr(s, at) = item;
    return s;
  }
  std::string Duplicate(const std::string& first, const std::string& second, const std::string& name) const {
    return DuplicateNotice("Arrangement", first, second, name);
  }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(1);
  const int d = e.Add(x, "SETX");
};

TEST_F(ArrangementEdits, CutThenUndoPutsTheArrangementBackAndSecondUndoDoesNothing) {
  ASSERT_TRUE(Run(d, 5, EditAction::Cut));
  EXPECT_EQ(Clipboard().item, Arr(x, 5));
  EXPECT_EQ(Code(), kUndoCut);
  EXPECT_EQ(ws.Slot(d).modified[kArrangement], 1);
  EXPECT_EQ(ui.events, (Events{"show 1 0 5", "cell 1 0 5", "undo 1 1"}));

  ui.events.clear();
  ASSERT_TRUE(Run(d, 5, EditAction::Undo));
  EXPECT_EQ(Code(), kUndoNothing);
  EXPECT_EQ(ui.events, (Events{"show 1 0 5", "cell 1 0 5", "undo 1 0"}));

  ui.events.clear();
  ASSERT_TRUE(Run(d, 20, EditAction::Undo));
  e.ExpectSet(d, x);
  EXPECT_EQ(ui.events, Events{"undo 1 0"});
}

TEST_F(ArrangementEdits, CopyAfterCutLeavesNothingToUndo) {
  ASSERT_TRUE(Run(d, 5, EditAction::Cut));
  ui.events.clear();
  ASSERT_TRUE(Run(d, 7, EditAction::Copy));
  EXPECT_EQ(ui.events, Events{"undo 1 0"});
  EXPECT_EQ(Clipboard().item, Arr(x, 7));
  // The clipboard no longer holds the cut Arrangement, so nothing may be
  // written back, whichever window asks.
  EXPECT_EQ(Code(), kUndoNothing);
  ASSERT_TRUE(Run(d, 7, EditAction::Undo));
  SetStores cut = x;
  Arr(cut, 5) = Empty();
  e.ExpectSet(d, cut);
}

TEST_F(ArrangementEdits, UndoInAnotherWindowUndoesTheEditInTheSetItsRecordNamesWhileOpen) {
  const SetStores y = EditSet(2);
  const int dy = e.Add(y, "SETY");
  ASSERT_TRUE(Run(d, 3, EditAction::Copy));
  e.ExpectNotice(Duplicate("A21", "A14", "ARR 03"));
  ASSERT_TRUE(Run(dy, 8, EditAction::Paste));
  SetStores pasted = y;
  Arr(pasted, 8) = Arr(x, 3);
  e.ExpectSet(dy, pasted);
  EXPECT_EQ(Code(), kUndoPaste);

  ui.events.clear();
  ASSERT_TRUE(Run(d, 40, EditAction::Undo));
  e.ExpectSet(dy, y);
  e.ExpectSet(d, x);
  EXPECT_EQ(ui.events, (Events{"show 2 0 8", "cell 2 0 8", "undo 1 0"}));

  // Once that Set is closed, Undo changes no open Set.
  e.ExpectNotice(Duplicate("A21", "A14", "ARR 03"));
  ASSERT_TRUE(Run(dy, 8, EditAction::Paste));
  e.Close(dy);
  EXPECT_EQ(ws.edits.arrangements.undo.sourceSet, 0);

  // The next Set gets the closed one's document number.
  const SetStores z = EditSet(3);
  ASSERT_EQ(e.Add(z, "SETZ"), dy);
  ui.events.clear();
  ASSERT_TRUE(Run(d, 3, EditAction::Undo));
  e.ExpectSet(d, x);
  e.ExpectSet(dy, z);
  EXPECT_FALSE(ws.Slot(dy).AnyModified());
  EXPECT_EQ(ui.events, Events{"undo 1 0"});
}

TEST_F(ArrangementEdits, InsertWithAFullBankPushesTheLastIntoTheClipboardAfterTheQuestion) {
  Bsq(x, 6).SetArrangement(63);
  Bsq(x, 1).SetArrangement(20);
  Bsq(x, 2).SetName(kBlankName), Bsq(x, 2).SetArrangement(20);  // an empty item calls nothing
  Reload();
  ASSERT_TRUE(Run(d, 40, EditAction::Copy));
  e.ExpectQuestion(ArrangementReferenceQuestion("ARR 63"), MsgResult::No);
  e.ExpectNotice(Duplicate("A62", "A11", "ARR 40"));
  ASSERT_TRUE(Run(d, 0, EditAction::Insert));
  SetStores inserted = Inserted(x, 0, Arr(x, 40));
  Bsq(inserted, 1).SetArrangement(21);
  e.ExpectSet(d, inserted);
  EXPECT_EQ(Clipboard().item, Arr(x, 63));
  EXPECT_EQ(Clipboard().sourceSet, d);
  EXPECT_EQ(Clipboard().sourceNumber, 0);
  EXPECT_EQ(Code(), kUndoInsert);
}

TEST_F(ArrangementEdits, UndoOfInsertGivesTheClipboardBackUnlessFilledSince) {
  // The inserted Arrangement was cut: Undo must not lose it.
  ASSERT_TRUE(Run(d, 40, EditAction::Cut));
  ASSERT_TRUE(Run(d, 0, EditAction::Insert));
  ASSERT_TRUE(Run(d, 0, EditAction::Undo));
  SetStores cut = x;
  Arr(cut, 40) = Empty();
  e.ExpectSet(d, cut);
  EXPECT_EQ(Clipboard().item, Arr(x, 40));
  EXPECT_EQ(Clipboard().sourceNumber, 40);

  ASSERT_TRUE(Run(d, 9, EditAction::Cut));
  ASSERT_TRUE(Run(d, 2, EditAction::Insert));
  ASSERT_TRUE(Run(d, 40, EditAction::Copy));
  ASSERT_TRUE(Run(d, 2, EditAction::Undo));
  EXPECT_EQ(Clipboard().item, Arr(x, 39));  // A48 after the Insert
}

// Arrangement 7 of X calls user Style U13 ("STY 02") and the user Programs
// "PRG 05" (DRUMS), "PRG 09" (BASS) and the drum kit "KIT 7" (KBD 1).
class PasteFromAnotherSet : public ArrangementEdits {
 protected:
  void SetUp() override {
    Arr(x, 7).SetStyleNumber(50);
    Arr(x, 7).SetTrackProgram(0, 325);
    Arr(x, 7).SetTrackProgram(2, 329);
    Arr(x, 7).SetTrackProgram(6, 518);
    Reload();
    // In Y the Style and "PRG 05" sit elsewhere.
    y.styles.headers[2].SetName("OTHER");
    y.styles.headers[5].SetName("STY 02");
    y.programs.records[5].SetName("OTHER");
    y.programs.records[20].SetName("PRG 05");
    ws.Stores(dy) = y;
    ASSERT_TRUE(Run(d, 7, EditAction::Copy));
  }
  // Y without the Program "PRG 05".
  void LoseProgram() {
    y.programs.records[20].SetName("GONE");
    ws.Stores(dy) = y;
  }
  std::string TrackQuestion(const std::string& track, const std::string& program) const {
    return "Track '" + track + "' of Arrangement 'ARR 07' calls Program '" + program +
           "' non-existent in 'SETY'\r\nRedirect this track to an existing Program?";
  }
  SetStores y = EditSet(2);
  const int dy = e.Add(y, "SETY");
};

TEST_F(PasteFromAnotherSet, CallsFoundByNameAreRenumberedWithoutAQuestion) {
  e.ExpectNotice(Duplicate("A23", "A18", "ARR 07"));
  ASSERT_TRUE(Run(dy, 10, EditAction::Paste));
  SetStores pasted = y;
  Arr(pasted, 10) = Arr(x, 7);
  Arr(pasted, 10).SetStyleNumber(53);
  Arr(pasted, 10).SetTrackProgram(0, 340);
  e.ExpectSet(dy, pasted);
  e.ExpectSet(d, x);
}

TEST_F(PasteFromAnotherSet, MissingCallsAreRedirectedOrKeptAsTheUserAnswers) {
  y.styles.headers[5].SetName("GONE");
  y.programs.records[64].SetName("GONE");
  LoseProgram();
  e.ExpectQuestion("Arrangement 'ARR 07' calls Style 'STY 02' non-existent in 'SETY'\r\n"
                   "Redirect this Arrangement to an existing Style?",
                   MsgResult::Yes);
  ui.ExpectSelection(kStyle, 49);
  e.ExpectQuestion(TrackQuestion("DRUMS  ", "PRG 05"), MsgResult::Yes);
  ui.ExpectSelection(kProgram, 3);
  e.ExpectQuestion(TrackQuestion("KBD 1  ", "KIT 7"), MsgResult::No);
  e.ExpectNotice(Duplicate("A23", "A18", "ARR 07"));
  ASSERT_TRUE(Run(dy, 10, EditAction::Paste));

  SetStores pasted = y;
  Arr(pasted, 10) = Arr(x, 7);
  Arr(pasted, 10).SetStyleNumber(49);
  Arr(pasted, 10).SetTrackProgram(0, 3);
  e.ExpectSet(dy, pasted);
  EXPECT_EQ(ui.selections, (Events{"2 0 Select a Style", "2 0 Select a Program for track 'DRUMS  '"}));
}

TEST_F(PasteFromAnotherSet, CancelReturnsTheSlotToWhatItWas) {
  LoseProgram();
  e.ExpectQuestion(TrackQuestion("DRUMS  ", "PRG 05"), MsgResult::Cancel);
  ASSERT_TRUE(Run(dy, 10, EditAction::Paste));
  e.ExpectSet(dy, y);

  e.ExpectQuestion(TrackQuestion("DRUMS  ", "PRG 05"), MsgResult::Yes);
  ui.ExpectSelection(kProgram, -1);
  ASSERT_TRUE(Run(dy, 12, EditAction::Paste));
  e.ExpectSet(dy, y);
}

TEST_F(PasteFromAnotherSet, InsertFindsTheCallsAgainBeforeAnythingMoves) {
  LoseProgram();
  e.ExpectQuestion(TrackQuestion("DRUMS  ", "PRG 05"), MsgResult::Cancel);
  ASSERT_TRUE(Run(dy, 2, EditAction::Insert));
  e.ExpectSet(dy, y);

  e.ExpectQuestion(TrackQuestion("DRUMS  ", "PRG 05"), MsgResult::No);
  e.ExpectNotice(Duplicate("A21", "A13", "ARR 07"));
  ASSERT_TRUE(Run(dy, 2, EditAction::Insert));
  SetStores inserted = Inserted(y, 2, Arr(x, 7));
  Arr(inserted, 2).SetStyleNumber(53);
  e.ExpectSet(dy, inserted);
}

TEST_F(ArrangementEdits, EraseBankAsksAndCannotBeUndone) {
  Bsq(x, 3).SetArrangement(12);
  Reload();
  ASSERT_TRUE(Run(d, 5, EditAction::Cut));
  ui.events.clear();
  ui.ExpectBox("", "Bank Erasing can't be undone\r\nContinue?", MsgIcon::Exclamation, MsgButtons::OkCancel,
               MsgResult::Cancel, MsgResult::Cancel);
  ASSERT_TRUE(Run(d, 5, EditAction::EraseBank));
  EXPECT_TRUE(ui.events.empty());
  EXPECT_EQ(Code(), kUndoCut);

  ui.ExpectMessage("Bank Erasing can't be undone\r\nContinue?", MsgResult::Ok);
  ASSERT_TRUE(Run(d, 5, EditAction::EraseBank));
  SetStores erased = x;
  for (auto& r : erased.arrangements.records) r = Empty();
  e.ExpectSet(d, erased);  // the Backing Sequence still calls 12
  EXPECT_EQ(ui.events, (Events{"refresh 1 0", "undo 1 0"}));
  // The cut before is forgotten too.
  ASSERT_TRUE(Run(d, 5, EditAction::Undo));
  e.ExpectSet(d, erased);
}

TEST_F(ArrangementEdits, ARefusedDropIntoAnotherSetLeavesItAlone) {
  SetStores y = EditSet(32);
  Bsq(y, 0).SetArrangement(10);
  const int dy = e.Add(y, "SETY");
  ASSERT_TRUE(Run(d, 3, EditAction::Cut));
  e.ExpectQuestion(ArrangementReferenceQuestion("ARR 10"), MsgResult::Cancel);
  ASSERT_TRUE(BeginDrag(ws, d, kArrangement, 7));
  EXPECT_EQ(DropItem(ws, ws.edits.drag, dy, kArrangement, 10), DropResult::Ignored);
  e.ExpectSet(dy, y);
  // The clipboard now holds the dragged Arrangement, so the cut can no
  // longer be undone from it.
  EXPECT_EQ(Clipboard().item, Arr(x, 7));
  EXPECT_EQ(Code(), kUndoNothing);
}

TEST_F(ArrangementEdits, DropOnItsOwnCellOrOnAnotherKindChangesNothing) {
  ASSERT_TRUE(Run(d, 3, EditAction::Cut));
  ui.events.clear();
  ASSERT_TRUE(BeginDrag(ws, d, kArrangement, 7));
  for (auto [kind, target] : {std::pair{kArrangement, 7}, {kProgram, 330}, {kArrangement, -1}})
    EXPECT_EQ(DropItem(ws, ws.edits.drag, d, kind, target), DropResult::Ignored);
  EXPECT_TRUE(ui.events.empty());
  EXPECT_EQ(Code(), kUndoCut);
  SetStores cut = x;
  Arr(cut, 3) = Empty();
  e.ExpectSet(d, cut);
  // An empty slot or a preset Program starts no drag.
  EXPECT_FALSE(BeginDrag(ws, d, kArrangement, 3));
  EXPECT_FALSE(BeginDrag(ws, d, kProgram, 5));
}

}  // namespace
}  // namespace tolvane::test
