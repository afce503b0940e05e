// The Edit commands on the Arrangements tab, run through the dispatcher as a
// window runs them: the Sets' bytes, the Backing Sequences' calls, every
// question and the Undo entry.

#include <gtest/gtest.h>

#include "arrangements/arrangement_calls.h"
#include "edit_sets.h"
#include "storage/edit_commands.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane::test {
namespace {

constexpr auto kEx = MsgIcon::Exclamation;

std::string ReferenceQuestion(const std::string& name) {
  return name + " Arrangement is referenced by\r\none or more Backing Sequences.\r\n"
                "Change references to another Arrangement?";
}

std::string DuplicateMessage(const std::string& first, const std::string& second, const std::string& name) {
  return "Arrangement duplicate name\r\n" + first + " - " + second + "  (" + name + ")";
}

class ArrangementEdits : public ::testing::Test {
 protected:
  bool Run(int d, int n, EditAction command) { return DispatchEditCommand(ws, d, kArrangement, n, command); }
  static ArrangementRecord& Arr(SetStores& s, int n) { return s.arrangements.records[static_cast<std::size_t>(n)]; }
  static BackingSequenceRecord& Bsq(SetStores& s, int b) {
    return s.backingSequences.records[static_cast<std::size_t>(b)];
  }
  ArrangementRecord Empty() const { return ws.edits.arrangements.empty.item; }
  const ArrangementClip& Clipboard() const { return ws.edits.arrangements.clipboard; }
  int Code() const { return UndoCodeOf(ws, kArrangement); }
  // Writes x into slot 1 again, after a test has set its calls.
  void Reload() { ws.Stores(1) = x; }
  void ExpectYesNoCancel(const std::string& text, MsgResult answer) {
    ui.ExpectBox("", text, kEx, MsgButtons::YesNoCancel, MsgResult::Cancel, answer);
  }
  void ExpectNotice(const std::string& text) { ui.ExpectBox("", text, kEx, MsgButtons::Ok, MsgResult::Ok, MsgResult::Ok); }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(1);
  const int d = e.Add(x, "SETX");
};

TEST_F(ArrangementEdits, OnlyNamedBackingSequencesCallAndAreRedirected) {
  Bsq(x, 7).SetArrangement(12);
  Bsq(x, 0).SetArrangement(12);
  Bsq(x, 4).SetArrangement(12);
  Bsq(x, 4).SetName(kBlankName);
  Reload();
  std::vector<std::string> list;
  EXPECT_EQ(ArrangementReferences(ws, d, 12, &list), 2);
  EXPECT_EQ(list, (std::vector<std::string>{"BSeq 0", "BSeq 7"}));

  RedirectArrangementReferences(ws, d, 12, 11);
  Bsq(x, 0).SetArrangement(11);
  Bsq(x, 7).SetArrangement(11);
  e.ExpectSet(d, x);
  EXPECT_EQ(ws.Slot(d).modified, (std::array<std::int16_t, 8>{0, 0, 0, 1}));
}

TEST_F(ArrangementEdits, CutThenUndoPutsTheArrangementBackAndSecondUndoDoesNothing) {
  ASSERT_TRUE(Run(d, 5, EditAction::Cut));
  SetStores cut = x;
  Arr(cut, 5) = Empty();
  e.ExpectSet(d, cut);
  EXPECT_EQ(Clipboard().item, Arr(x, 5));
  EXPECT_EQ(Code(), kUndoCut);
  EXPECT_EQ(ws.Slot(d).modified[kArrangement], 1);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"undo 1 1", "show 1 0 5", "cell 1 0 5", "undo 1 1"}));

  ui.events.clear();
  ASSERT_TRUE(Run(d, 5, EditAction::Undo));
  e.ExpectSet(d, x);
  EXPECT_EQ(Code(), kUndoNothing);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"show 1 0 5", "cell 1 0 5", "undo 1 0"}));

  ui.events.clear();
  ASSERT_TRUE(Run(d, 20, EditAction::Undo));
  e.ExpectSet(d, x);
  EXPECT_EQ(ui.events, std::vector<std::string>{"undo 1 0"});
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ArrangementEdits, CutOfAnEmptySlotDoesNothingAndAsksNothing) {
  Arr(x, 5) = Empty();
  Bsq(x, 0).SetArrangement(5);
  Reload();
  ASSERT_TRUE(Run(d, 5, EditAction::Cut));
  e.ExpectSet(d, x);
  EXPECT_EQ(Clipboard().sourceSet, 0);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ArrangementEdits, CopyAfterCutLeavesNothingToUndo) {
  ASSERT_TRUE(Run(d, 5, EditAction::Cut));
  ui.events.clear();
  ASSERT_TRUE(Run(d, 7, EditAction::Copy));
  EXPECT_EQ(ui.events, std::vector<std::string>{"undo 1 0"});
  EXPECT_EQ(Clipboard().item, Arr(x, 7));
  // The clipboard no longer holds the cut Arrangement, so nothing may be
  // written back, whichever window asks.
  EXPECT_EQ(Code(), kUndoNothing);
  ASSERT_TRUE(Run(d, 7, EditAction::Undo));
  SetStores cut = x;
  Arr(cut, 5) = Empty();
  e.ExpectSet(d, cut);
}

TEST_F(ArrangementEdits, UndoInAnotherWindowUndoesTheEditInTheSetItsRecordNames) {
  const SetStores y = EditSet(2);
  const int dy = e.Add(y, "SETY");
  ASSERT_TRUE(Run(d, 3, EditAction::Copy));
  ExpectNotice(DuplicateMessage("A21", "A14", "ARR 03"));
  ASSERT_TRUE(Run(dy, 8, EditAction::Paste));
  SetStores pasted = y;
  Arr(pasted, 8) = Arr(x, 3);
  e.ExpectSet(dy, pasted);
  EXPECT_EQ(Code(), kUndoPaste);

  ui.events.clear();
  ASSERT_TRUE(Run(d, 40, EditAction::Undo));
  e.ExpectSet(dy, y);
  e.ExpectSet(d, x);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"show 2 0 8", "cell 2 0 8", "undo 1 0"}));
}

TEST_F(ArrangementEdits, UndoWhoseSetWasClosedChangesNoOpenSet) {
  const int dy = e.Add(EditSet(2), "SETY");
  ASSERT_TRUE(Run(d, 3, EditAction::Copy));
  ExpectNotice(DuplicateMessage("A21", "A14", "ARR 03"));
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
  EXPECT_EQ(ui.events, std::vector<std::string>{"undo 1 0"});
}

TEST_F(ArrangementEdits, DeleteMovesTheFollowingArrangementsAndTheirCallersUpAndUndoPutsAllBack) {
  Bsq(x, 4).SetArrangement(20);
  Reload();
  ASSERT_TRUE(Run(d, 10, EditAction::Delete));
  SetStores deleted = x;
  for (int k = 10; k < 63; ++k) Arr(deleted, k) = Arr(x, k + 1);
  Arr(deleted, 63) = Empty();
  Bsq(deleted, 4).SetArrangement(19);
  e.ExpectSet(d, deleted);
  EXPECT_EQ(Clipboard().item, Arr(x, 10));
  EXPECT_EQ(Code(), kUndoDelete);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"undo 1 1", "refresh 1 0", "undo 1 1"}));

  ui.events.clear();
  ASSERT_TRUE(Run(d, 10, EditAction::Undo));
  e.ExpectSet(d, x);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"refresh 1 0", "undo 1 0"}));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ArrangementEdits, DeleteOfACalledArrangementAsksFirstAndRedirectsToTheChoice) {
  Bsq(x, 2).SetArrangement(10);
  Bsq(x, 5).SetArrangement(10);
  Reload();
  ExpectYesNoCancel(ReferenceQuestion("ARR 10"), MsgResult::Cancel);
  ASSERT_TRUE(Run(d, 10, EditAction::Delete));
  e.ExpectSet(d, x);

  ExpectYesNoCancel(ReferenceQuestion("ARR 10"), MsgResult::Yes);
  ui.ExpectSelection(kArrangement, 30);
  ui.events.clear();
  ASSERT_TRUE(Run(d, 10, EditAction::Delete));
  SetStores deleted = x;
  for (int k = 10; k < 63; ++k) Arr(deleted, k) = Arr(x, k + 1);
  Arr(deleted, 63) = Empty();
  // Sent to 30, they follow it to 29.
  Bsq(deleted, 2).SetArrangement(29);
  Bsq(deleted, 5).SetArrangement(29);
  e.ExpectSet(d, deleted);
  ASSERT_EQ(ui.selections.size(), 1u);
  EXPECT_EQ(ui.selections[0].current, 10);
  EXPECT_EQ(ui.selections[0].caption, "Select an Arrangement");
  EXPECT_EQ(ui.events, (std::vector<std::string>{"undo 1 0", "refresh 1 0", "undo 1 1"}));
}

TEST_F(ArrangementEdits, InsertWithAFullBankPushesTheLastIntoTheClipboardAfterTheQuestion) {
  Bsq(x, 6).SetArrangement(63);
  Bsq(x, 1).SetArrangement(20);
  Reload();
  ASSERT_TRUE(Run(d, 40, EditAction::Copy));
  ExpectYesNoCancel(ReferenceQuestion("ARR 63"), MsgResult::No);
  ExpectNotice(DuplicateMessage("A62", "A11", "ARR 40"));
  ASSERT_TRUE(Run(d, 0, EditAction::Insert));
  SetStores inserted = x;
  Arr(inserted, 0) = Arr(x, 40);
  for (int k = 1; k < 64; ++k) Arr(inserted, k) = Arr(x, k - 1);
  Bsq(inserted, 1).SetArrangement(21);
  e.ExpectSet(d, inserted);
  EXPECT_EQ(Clipboard().item, Arr(x, 63));
  EXPECT_EQ(Clipboard().sourceSet, d);
  EXPECT_EQ(Clipboard().sourceNumber, 0);
  EXPECT_EQ(Code(), kUndoInsert);

  // The pushed-out Arrangement is pasted back elsewhere.
  ExpectNotice(DuplicateMessage("A62", "A11", "ARR 40"));
  ASSERT_TRUE(Run(d, 5, EditAction::Paste));
  Arr(inserted, 5) = Arr(x, 63);
  e.ExpectSet(d, inserted);
}

TEST_F(ArrangementEdits, UndoOfInsertRestoresTheBankTheCallsAndTheClipboard) {
  Bsq(x, 1).SetArrangement(20);
  Reload();
  // The inserted Arrangement was cut: Undo must not lose it.
  ASSERT_TRUE(Run(d, 40, EditAction::Cut));
  ASSERT_TRUE(Run(d, 0, EditAction::Insert));
  ASSERT_TRUE(Run(d, 0, EditAction::Undo));
  SetStores cut = x;
  Arr(cut, 40) = Empty();
  e.ExpectSet(d, cut);
  EXPECT_EQ(Clipboard().item, Arr(x, 40));
  EXPECT_EQ(Clipboard().sourceNumber, 40);

  ASSERT_TRUE(Run(d, 40, EditAction::Paste));
  e.ExpectSet(d, x);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ArrangementEdits, InsertWithAnEmptyClipboardDoesNothing) {
  Bsq(x, 6).SetArrangement(63);
  Reload();
  ASSERT_TRUE(Run(d, 0, EditAction::Insert));
  e.ExpectSet(d, x);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ArrangementEdits, PasteOverACalledSlotFollowsTheAnswer) {
  Bsq(x, 3).SetArrangement(12);
  Reload();
  ASSERT_TRUE(Run(d, 30, EditAction::Copy));
  SetStores pasted = x;
  Arr(pasted, 12) = Arr(x, 30);
  const std::string duplicate = DuplicateMessage("A47", "A25", "ARR 30");

  ExpectYesNoCancel(ReferenceQuestion("ARR 12"), MsgResult::Cancel);
  ASSERT_TRUE(Run(d, 12, EditAction::Paste));
  e.ExpectSet(d, x);

  ExpectYesNoCancel(ReferenceQuestion("ARR 12"), MsgResult::No);
  ExpectNotice(duplicate);
  ASSERT_TRUE(Run(d, 12, EditAction::Paste));
  e.ExpectSet(d, pasted);
  ASSERT_TRUE(Run(d, 12, EditAction::Undo));
  e.ExpectSet(d, x);

  ExpectYesNoCancel(ReferenceQuestion("ARR 12"), MsgResult::Yes);
  ui.ExpectSelection(kArrangement, -1);
  ExpectNotice(duplicate);
  ASSERT_TRUE(Run(d, 12, EditAction::Paste));
  e.ExpectSet(d, pasted);
  ASSERT_TRUE(Run(d, 12, EditAction::Undo));

  ExpectYesNoCancel(ReferenceQuestion("ARR 12"), MsgResult::Yes);
  ui.ExpectSelection(kArrangement, 50);
  ExpectNotice(duplicate);
  ui.events.clear();
  ASSERT_TRUE(Run(d, 12, EditAction::Paste));
  Bsq(pasted, 3).SetArrangement(50);
  e.ExpectSet(d, pasted);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"undo 1 0", "cell 1 0 12", "undo 1 1"}));
  EXPECT_EQ(ws.Slot(d).gridTags[kArrangement], 12);
}

TEST_F(ArrangementEdits, PasteWithAnEmptyClipboardIsRefused) {
  ASSERT_TRUE(Run(d, 12, EditAction::Paste));
  e.ExpectSet(d, x);
  EXPECT_FALSE(ws.Slot(d).AnyModified());
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
  std::string StyleQuestion() const {
    return "Arrangement 'ARR 07' calls Style 'STY 02' non-existent in 'SETY'\r\n"
           "Redirect this Arrangement to an existing Style?";
  }
  std::string TrackQuestion(const std::string& track, const std::string& program) const {
    return "Track '" + track + "' of Arrangement 'ARR 07' calls Program '" + program +
           "' non-existent in 'SETY'\r\nRedirect this track to an existing Program?";
  }
  SetStores y = EditSet(2);
  const int dy = e.Add(y, "SETY");
};

TEST_F(PasteFromAnotherSet, CallsFoundByNameAreRenumberedWithoutAQuestion) {
  ExpectNotice(DuplicateMessage("A23", "A18", "ARR 07"));
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
  y.programs.records[20].SetName("GONE");
  y.programs.records[64].SetName("GONE");
  ws.Stores(dy) = y;
  ExpectYesNoCancel(StyleQuestion(), MsgResult::Yes);
  ui.ExpectSelection(kStyle, 49);
  ExpectYesNoCancel(TrackQuestion("DRUMS", "PRG 05"), MsgResult::Yes);
  ui.ExpectSelection(kProgram, 3);
  ExpectYesNoCancel(TrackQuestion("KBD 1", "KIT 7"), MsgResult::No);
  ExpectNotice(DuplicateMessage("A23", "A18", "ARR 07"));
  ASSERT_TRUE(Run(dy, 10, EditAction::Paste));

  SetStores pasted = y;
  Arr(pasted, 10) = Arr(x, 7);
  Arr(pasted, 10).SetStyleNumber(49);
  Arr(pasted, 10).SetTrackProgram(0, 3);
  e.ExpectSet(dy, pasted);
  ASSERT_EQ(ui.selections.size(), 2u);
  EXPECT_EQ(ui.selections[0].d, dy);
  EXPECT_EQ(ui.selections[0].current, 0);
  EXPECT_EQ(ui.selections[0].caption, "Select a Style");
  EXPECT_EQ(ui.selections[1].current, 0);
  EXPECT_EQ(ui.selections[1].caption, "Select a Program for track 'DRUMS  '");
}

TEST_F(PasteFromAnotherSet, CancelReturnsTheSlotToWhatItWas) {
  y.programs.records[20].SetName("GONE");
  ws.Stores(dy) = y;
  ExpectYesNoCancel(TrackQuestion("DRUMS", "PRG 05"), MsgResult::Cancel);
  ASSERT_TRUE(Run(dy, 10, EditAction::Paste));
  e.ExpectSet(dy, y);

  ExpectYesNoCancel(TrackQuestion("DRUMS", "PRG 05"), MsgResult::Yes);
  ui.ExpectSelection(kProgram, -1);
  ASSERT_TRUE(Run(dy, 12, EditAction::Paste));
  e.ExpectSet(dy, y);
}

TEST_F(PasteFromAnotherSet, InsertFindsTheCallsAgainBeforeAnythingMoves) {
  y.programs.records[20].SetName("GONE");
  ws.Stores(dy) = y;
  ExpectYesNoCancel(TrackQuestion("DRUMS", "PRG 05"), MsgResult::Cancel);
  ASSERT_TRUE(Run(dy, 2, EditAction::Insert));
  e.ExpectSet(dy, y);

  ExpectYesNoCancel(TrackQuestion("DRUMS", "PRG 05"), MsgResult::No);
  ExpectNotice(DuplicateMessage("A21", "A13", "ARR 07"));
  ASSERT_TRUE(Run(dy, 2, EditAction::Insert));
  SetStores inserted = y;
  for (int k = 3; k < 64; ++k) Arr(inserted, k) = Arr(y, k - 1);
  Arr(inserted, 2) = Arr(x, 7);
  Arr(inserted, 2).SetStyleNumber(53);
  e.ExpectSet(dy, inserted);
}

TEST_F(ArrangementEdits, EraseBankAsksAndCannotBeUndone) {
  Bsq(x, 3).SetArrangement(12);
  Reload();
  ASSERT_TRUE(Run(d, 5, EditAction::Cut));
  ui.events.clear();
  ui.ExpectBox("", "Bank Erasing can't be undone\r\nContinue?", kEx, MsgButtons::OkCancel, MsgResult::Cancel,
               MsgResult::Cancel);
  ASSERT_TRUE(Run(d, 5, EditAction::EraseBank));
  EXPECT_TRUE(ui.events.empty());
  EXPECT_EQ(Code(), kUndoCut);

  ui.ExpectMessage("Bank Erasing can't be undone\r\nContinue?", MsgResult::Ok);
  ASSERT_TRUE(Run(d, 5, EditAction::EraseBank));
  SetStores erased = x;
  for (auto& r : erased.arrangements.records) r = Empty();
  e.ExpectSet(d, erased);  // the Backing Sequence still calls 12
  EXPECT_EQ(ui.events, (std::vector<std::string>{"refresh 1 0", "undo 1 0"}));
}

TEST_F(ArrangementEdits, OtherTabsAreNotCarriedOutHere) {
  ASSERT_TRUE(Run(d, 5, EditAction::Cut));
  ui.events.clear();
  for (int tab : {kStyle, kBackingSequence, kSong})
    for (EditAction a : {EditAction::Cut, EditAction::Copy, EditAction::Paste, EditAction::Delete,
                         EditAction::Insert, EditAction::EraseBank})
      EXPECT_FALSE(DispatchEditCommand(ws, d, tab, 0, a));
  for (EditAction a : {EditAction::Details, EditAction::PasteFromIStyle, EditAction::Import})
    EXPECT_FALSE(Run(d, 5, a));
  EXPECT_TRUE(ui.events.empty());

  // Undo on the Styles tab consults the Style record: nothing to undo there.
  ASSERT_TRUE(DispatchEditCommand(ws, d, kStyle, 48, EditAction::Undo));
  EXPECT_EQ(Code(), kUndoCut);
  EXPECT_EQ(ui.events, std::vector<std::string>{"undo 1 0"});
  EXPECT_TRUE(Arr(ws.Stores(d), 5) == Empty());
}

}  // namespace
}  // namespace tolvane::test
