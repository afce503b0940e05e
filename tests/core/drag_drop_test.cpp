// Drag and drop between grids: a move within a Set, a copy into another Set,
// and the drops that do nothing.

#include <gtest/gtest.h>

#include "edit_sets.h"
#include "editing/drag_drop.h"
#include "editing/edit_commands.h"
#include "storage/tables.h"

namespace tolvane::test {
namespace {

class DragDrop : public ::testing::Test {
 protected:
  DropResult Drag(int sd, int kind, int item, int td, int target) {
    EXPECT_TRUE(BeginDrag(ws, sd, kind, item));
    return DropItem(ws, ws.edits.drag, td, kind, target);
  }
  bool Undo(int d, int tab) { return DispatchEditCommand(ws, d, tab, 0, EditAction::Undo); }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(31);
  SetStores y = EditSet(32);
  const int dx = e.Add(x, "SETX");
  const int dy = e.Add(y, "SETY");
};

TEST_F(DragDrop, MoveWithinASetTakesTheCallersAlongAndUndoBringsThemBack) {
  Bsq(x, 2).SetArrangement(5);
  Bsq(x, 7).SetArrangement(9);  // calls the target, and keeps calling it
  ws.Stores(dx) = x;
  e.ExpectQuestion(ArrangementReferenceQuestion("ARR 09"), MsgResult::No);
  EXPECT_EQ(Drag(dx, kArrangement, 5, dx, 9), DropResult::Moved);

  SetStores moved = x;
  Arr(moved, 9) = Arr(x, 5);
  Arr(moved, 5) = ws.edits.arrangements.empty.item;
  Bsq(moved, 2).SetArrangement(9);
  e.ExpectSet(dx, moved);
  EXPECT_EQ(UndoCodeOf(ws, kArrangement), kUndoMove);
  EXPECT_EQ(ui.events.back(), "undo 1 1");
  EXPECT_EQ(ws.Slot(dx).gridTags[kArrangement], 9);

  // Only the Backing Sequence that followed goes back; the one that called 9
  // before calls the Arrangement restored there.
  ASSERT_TRUE(Undo(dx, kArrangement));
  e.ExpectSet(dx, x);
  e.ExpectSet(dy, y);
}

TEST_F(DragDrop, ProgramMoveTakesItsCallersAlongAndUndoBringsThemBack) {
  Arr(x, 0).SetTrackProgram(1, 322);
  Song(x, 4).SetTrackProgram(9, 322);
  Bsq(x, 3).SetTrackProgram(0, 328);  // calls the target
  ws.Stores(dx) = x;
  e.ExpectQuestion(ProgramReleaseQuestion("PRG 08"), MsgResult::No);
  EXPECT_EQ(Drag(dx, kProgram, 322, dx, 328), DropResult::Moved);

  SetStores moved = x;
  Prg(moved, 8) = Prg(x, 2);
  Prg(moved, 2) = ws.edits.programs.empty.record;
  Arr(moved, 0).SetTrackProgram(1, 328);
  Song(moved, 4).SetTrackProgram(9, 328);
  e.ExpectSet(dx, moved);
  EXPECT_EQ(ui.events.back(), "undo 1 1");

  ASSERT_TRUE(Undo(dx, kProgram));
  e.ExpectSet(dx, x);
}

TEST_F(DragDrop, CopyIntoAnotherSetFindsTheCallsAgainAndChecksTheNames) {
  Arr(x, 7).SetTrackProgram(1, 330);  // "PRG 10", which Y keeps as D41
  ws.Stores(dx) = x;
  Prg(y, 10).SetName("OTHER");
  Prg(y, 24).SetName("PRG 10");
  ws.Stores(dy) = y;
  e.ExpectNotice(DuplicateNotice("Arrangement", "A23", "A18", "ARR 07"));
  EXPECT_EQ(Drag(dx, kArrangement, 7, dy, 10), DropResult::Copied);

  SetStores copied = y;
  Arr(copied, 10) = Arr(x, 7);
  Arr(copied, 10).SetTrackProgram(1, 344);
  e.ExpectSet(dy, copied);
  e.ExpectSet(dx, x);
  EXPECT_EQ(UndoCodeOf(ws, kArrangement), kUndoDragCopy);
  EXPECT_EQ(ui.events.back(), "undo 2 1");

  ui.events.clear();
  ASSERT_TRUE(Undo(dy, kArrangement));
  e.ExpectSet(dy, y);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"show 2 0 10", "cell 2 0 10", "show 1 0 7", "undo 2 0"}));
}

TEST_F(DragDrop, DrumKitCopiedIntoAnotherSetBringsItsData) {
  x.programs.drumKits[1].fill(0x33);
  ws.Stores(dx) = x;
  ui.ExpectMessage(DuplicateNotice("Program", "Dr8", "Dr7", "KIT 8"));
  EXPECT_EQ(Drag(dx, kProgram, 519, dy, 518), DropResult::Copied);
  SetStores copied = y;
  Prg(copied, 64) = Prg(x, 65);
  copied.programs.drumKits[0] = x.programs.drumKits[1];
  e.ExpectSet(dy, copied);
  EXPECT_EQ(UndoCodeOf(ws, kProgram), kUndoDragCopy);
  EXPECT_EQ(ui.events.back(), "undo 2 1");

  ASSERT_TRUE(Undo(dy, kProgram));
  e.ExpectSet(dy, y);
}

TEST_F(DragDrop, RefusedPasteLeavesTheSetsAndUndoAlone) {
  Bsq(y, 0).SetArrangement(10);
  ws.Stores(dy) = y;
  ASSERT_TRUE(DispatchEditCommand(ws, dx, kArrangement, 3, EditAction::Cut));
  e.ExpectQuestion(ArrangementReferenceQuestion("ARR 10"), MsgResult::Cancel);
  EXPECT_EQ(Drag(dx, kArrangement, 7, dy, 10), DropResult::Ignored);
  e.ExpectSet(dy, y);
  // The clipboard now holds the dragged Arrangement, so the cut can no
  // longer be undone from it.
  EXPECT_EQ(ws.edits.arrangements.clipboard.item, Arr(x, 7));
  EXPECT_EQ(UndoCodeOf(ws, kArrangement), kUndoNothing);
}

TEST_F(DragDrop, DropOnItsOwnCellOrOnAnotherKindChangesNothing) {
  ASSERT_TRUE(DispatchEditCommand(ws, dx, kArrangement, 3, EditAction::Cut));
  ui.events.clear();
  EXPECT_EQ(Drag(dx, kArrangement, 7, dx, 7), DropResult::Ignored);
  ASSERT_TRUE(BeginDrag(ws, dx, kArrangement, 7));
  EXPECT_EQ(DropItem(ws, ws.edits.drag, dx, kProgram, 330), DropResult::Ignored);
  EXPECT_EQ(DropItem(ws, ws.edits.drag, dx, kArrangement, -1), DropResult::Ignored);
  EXPECT_TRUE(ui.events.empty());
  EXPECT_EQ(UndoCodeOf(ws, kArrangement), kUndoCut);
  SetStores cut = x;
  Arr(cut, 3) = ws.edits.arrangements.empty.item;
  e.ExpectSet(dx, cut);

  // An empty slot or a preset Program starts no drag.
  EXPECT_FALSE(BeginDrag(ws, dx, kArrangement, 3));
  EXPECT_FALSE(BeginDrag(ws, dx, kProgram, 5));
}

}  // namespace
}  // namespace tolvane::test
