// What every edit tells the window: a refused, cancelled or empty edit leaves
// the Set, the undo record and the Undo entry as they were; an edit offers
// Undo only when no caller was redirected; Undo gives the Set back byte for
// byte, flag bits of the track calls included.

#include <gtest/gtest.h>

#include <functional>

#include "edit_sets.h"
#include "editing/drag_drop.h"
#include "editing/edit_commands.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane::test {
namespace {

constexpr int kDr7 = 518, kDr8 = 519, kD11 = 320;

struct Scene {
  bool Edit(int kind, int item, EditAction command) { return DispatchEditCommand(ws, d, kind, item, command); }
  // The last switch of the Undo entry, or "" when it was not touched.
  std::string LastUndoEvent() const {
    for (auto it = ui.events.rbegin(); it != ui.events.rend(); ++it)
      if (it->rfind("undo ", 0) == 0) return *it;
    return "";
  }
  void Reload() { ws.Stores(d) = x; }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(21);
  const int d = e.Add(x, "SETX");
};

class EditContract : public ::testing::Test, protected Scene {};

// The edit, what the Set calls before it, and the questions on the way.
struct UndoCase {
  const char* name;
  int kind, item;
  EditAction command;
  std::function<void(SetStores&)> calls;
  int copyFirst;  // the item copied before the edit, or -1
  std::string question;
  MsgResult answer;
  int pick;  // the selection dialog's answer; -2: none is shown
  std::string notice;
  bool changes;
  const char* undoEvent;
};

constexpr auto kNone = MsgResult::Ok, kYes = MsgResult::Yes, kNo = MsgResult::No, kCancel = MsgResult::Cancel;
const auto kPaste = EditAction::Paste, kInsert = EditAction::Insert;
std::string ReleaseArr(int n) { return ArrangementReferenceQuestion("ARR " + std::to_string(n)); }
const auto kA12Called = [](SetStores& x) { Bsq(x, 0).SetArrangement(12); };
const auto kA88Called = [](SetStores& x) { Bsq(x, 4).SetArrangement(63); };

const UndoCase kUndoCases[] = {
    {"cut of an empty cell", kArrangement, 5, EditAction::Cut, [](SetStores& x) { Arr(x, 5).SetName(kBlankName); },
     -1, "", kNone, -2, "", false, ""},
    {"paste of a clipboard never filled", kArrangement, 5, kPaste, nullptr, -1, "", kNone, -2, "", false, ""},
    {"cut of an empty Style", kStyle, 50, EditAction::Cut, [](SetStores& x) { x.styles.headers[2].SetName(kBlankName); },
     -1, "", kNone, -2, "", false, ""},
    {"paste from IStyle into an absent Block", kStyle, 70, EditAction::PasteFromIStyle, nullptr, -1, "", kNone, -2, "",
     false, ""},
    {"insert of a clipboard never filled, with A88 called", kArrangement, 0, kInsert, kA88Called, -1, "", kNone, -2, "",
     false, ""},
    {"paste over a called slot, cancelled", kArrangement, 12, kPaste, kA12Called, 30, ReleaseArr(12), kCancel, -2, "",
     false, "undo 1 0"},
    {"cut of a called Arrangement redirected", kArrangement, 12, EditAction::Cut, kA12Called, -1, ReleaseArr(12), kYes,
     20, "", true, "undo 1 0"},
    {"cut of a called Arrangement kept", kArrangement, 12, EditAction::Cut, kA12Called, -1, ReleaseArr(12), kNo, -2, "",
     true, "undo 1 1"},
    {"insert with A88 called, cancelled", kArrangement, 3, kInsert, kA88Called, 30, ReleaseArr(63), kCancel, -2, "",
     false, "undo 1 0"},
    {"insert with A88 called, redirected", kArrangement, 3, kInsert, kA88Called, 30, ReleaseArr(63), kYes, 5,
     DuplicateNotice("Arrangement", "A48", "A14", "ARR 30"), true, "undo 1 0"},
    {"delete on a drum kit", kProgram, kDr7, EditAction::Delete, nullptr, -1, "", kNone, -2, "", false, ""},
    {"insert on a drum kit", kProgram, kDr7, kInsert, nullptr, kD11 + 4, "", kNone, -2, "", false, "undo 1 0"},
    {"paste over a called Program, cancelled", kProgram, kD11 + 1, kPaste,
     [](SetStores& x) { Arr(x, 2).SetTrackProgram(3, kD11 + 1); }, kD11 + 9, ProgramReleaseQuestion("PRG 01"), kCancel,
     -2, "", false, "undo 1 0"},
    {"delete of a called Program, kept", kProgram, kD11, EditAction::Delete,
     [](SetStores& x) { Bsq(x, 1).SetTrackProgram(2, kD11); }, -1, ProgramReleaseQuestion("PRG 00"), kNo, -2, "", true,
     "undo 1 1"},
    {"insert with D88 called, cancelled", kProgram, kD11, kInsert,
     [](SetStores& x) { Song(x, 2).SetTrackProgram(7, kD11 + 63); }, kD11 + 9, ProgramReleaseQuestion("PRG 63"),
     kCancel, -2, "", false, "undo 1 0"},
    {"cut of a Program called only by a Style outside the Blocks", kProgram, kD11 + 5, EditAction::Cut,
     [](SetStores& x) { x.styles.headers[20].SetTrackProgram(0, kD11 + 5); }, -1, "", kNone, -2, "", true, "undo 1 1"},
    {"paste of a Program clipboard never filled", kProgram, kD11 + 3, kPaste, nullptr, -1, "", kNone, -2, "", false, ""},
    {"cut of a called Program, cancelled", kProgram, kD11, EditAction::Cut,
     [](SetStores& x) { Bsq(x, 1).SetTrackProgram(2, kD11); }, -1, ProgramReleaseQuestion("PRG 00"), kCancel, -2, "",
     false, ""},
    {"drum kit onto a Program place", kProgram, kD11, kPaste, nullptr, kDr7, "", kNone, -2,
     "Drum Kit 'KIT 7' can only be pasted\r\ninto Dr7 or Dr8.", false, "undo 1 0"},
    {"Program onto a drum-kit place", kProgram, kDr8, kPaste, nullptr, kD11 + 2, "", kNone, -2,
     "Program 'PRG 02' can't be pasted\r\ninto a Drum Kit place.", false, "undo 1 0"},
};

TEST_F(EditContract, UndoIsOfferedOnlyAfterAChangeWithoutARedirection) {
  for (const UndoCase& c : kUndoCases) {
    SCOPED_TRACE(c.name);
    Scene f;
    if (c.calls) c.calls(f.x);
    f.Reload();
    if (c.copyFirst >= 0) ASSERT_TRUE(f.Edit(c.kind, c.copyFirst, EditAction::Copy));
    if (!c.question.empty()) f.e.ExpectQuestion(c.question, c.answer);
    if (c.pick != -2) f.ui.ExpectSelection(c.kind, c.pick);
    if (!c.notice.empty()) f.e.ExpectNotice(c.notice);
    const SetStores before = f.ws.Stores(f.d);
    const int code = UndoCodeOf(f.ws, c.kind);
    const auto undoRecords = std::pair(f.ws.edits.arrangements.undo, f.ws.edits.programs.undo);
    ASSERT_TRUE(f.Edit(c.kind, c.item, c.command));
    EXPECT_EQ(f.LastUndoEvent(), c.undoEvent);
    if (c.changes) continue;
    f.e.ExpectSet(f.d, before);
    EXPECT_EQ(UndoCodeOf(f.ws, c.kind), code);
    EXPECT_TRUE(std::pair(f.ws.edits.arrangements.undo, f.ws.edits.programs.undo) == undoRecords);
  }
}

TEST_F(EditContract, AnUnexpectedFailureLeavesEverythingAsItWasAndSaysSo) {
  ASSERT_TRUE(Edit(kProgram, kD11 + 2, EditAction::Copy));
  const ProgramClip clipboard = ws.edits.programs.clipboard;
  ui.failOn = "show";  // after the cut has emptied the slot
  ui.ExpectBox("Error", "Error editing Program data.\r\n\r\nDon't save this Set to disk!", MsgIcon::Critical,
               MsgButtons::Ok, MsgResult::Ok, MsgResult::Ok);
  ASSERT_TRUE(Edit(kProgram, kD11 + 5, EditAction::Cut));
  e.ExpectSet(d, x);
  EXPECT_TRUE(ws.edits.programs.clipboard == clipboard);
  EXPECT_EQ(ws.Slot(d).modified, (std::array<std::int16_t, 8>{}));
  EXPECT_EQ(LastUndoEvent(), "undo 1 0");
}

TEST_F(EditContract, DrumKitDroppedOnAProgramPlaceIsRefused) {
  e.ExpectNotice("Drum Kit 'KIT 8' can only be pasted\r\ninto Dr7 or Dr8.");
  ASSERT_TRUE(BeginDrag(ws, d, kProgram, kDr8));
  EXPECT_EQ(DropItem(ws, ws.edits.drag, d, kProgram, kD11 + 7), DropResult::Ignored);
  e.ExpectSet(d, x);
}

}  // namespace
}  // namespace tolvane::test
