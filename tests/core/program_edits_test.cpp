// The Edit commands on the Programs tab, run through the dispatcher: the
// Sets' bytes, the calls of all four calling kinds, the questions and Undo.

#include <gtest/gtest.h>

#include "edit_sets.h"
#include "programs/program_calls.h"
#include "editing/edit_commands.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane::test {
namespace {

using Events = std::vector<std::string>;

class ProgramEdits : public ::testing::Test {
 protected:
  bool Run(int set, int number, EditAction command) { return DispatchEditCommand(ws, set, kProgram, number, command); }
  ProgramRecord Empty() const { return ws.edits.programs.empty.record; }
  const ProgramClip& Clipboard() const { return ws.edits.programs.clipboard; }
  void Reload() { ws.Stores(d) = x; }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(11);
  const int d = e.Add(x, "SETX");
};

TEST_F(ProgramEdits, CallersAreListedKindByKindWithTheirTracks) {
  Arr(x, 0).SetTrackProgram(6, 320);
  x.styles.headers[1].SetTrackProgram(2, 320);
  Bsq(x, 4).SetTrackProgram(3, 320);
  Song(x, 3).SetTrackProgram(4, 320);
  Song(x, 5).SetTrackProgram(0, 320);
  Song(x, 5).SetName(kBlankName);  // an empty Song calls nothing
  Reload();
  std::vector<ProgramCaller> callers;
  EXPECT_EQ(FindProgramCallers(ws, d, 320, &callers), 4);
  Events listed;
  for (const auto& c : callers) listed.push_back(c.item + "|" + c.track);
  EXPECT_EQ(listed, (Events{"Arr A11|KBD 1  ", "Sty U12|BASS   ", "BSeq  4|Extra 2 ", "Song  3|Trk  5"}));
}

TEST_F(ProgramEdits, RedirectingD11ToA12RewritesTheSongTrackAsAPresetReference) {
  Arr(x, 0).SetTrackProgram(6, 320);
  Song(x, 3).SetTrackProgram(4, 320);
  Reload();
  const std::size_t slot = SongRecord::kTrackSlotsOffset + 4 * SongRecord::kTrackSlotSize;
  const std::uint8_t flagBits = Song(x, 3).bytes[slot + 10] & 0x7F;

  e.ExpectQuestion(ProgramReleaseQuestion("PRG 00"), MsgResult::Yes);
  ui.ExpectSelection(kProgram, 1);
  ASSERT_TRUE(Run(d, 320, EditAction::Cut));

  SetStores cut = x;
  Prg(cut, 0) = Empty();
  Arr(cut, 0).SetTrackProgram(6, 1);
  Song(cut, 3).bytes[slot] = 1;
  Song(cut, 3).bytes[slot + 10] = static_cast<std::uint8_t>(0x80 | flagBits);
  e.ExpectSet(d, cut);
  EXPECT_EQ(ws.Slot(d).modified, (std::array<std::int16_t, 8>{1, 0, 1, 0, 1}));
  EXPECT_EQ(ui.selections, Events{"1 320 Select a Program "});
  EXPECT_EQ(ui.events, (Events{"show 1 2 320", "cell 1 2 320", "undo 1 0"}));

  // Undo brings the Program back; the redirected calls stay where they were sent.
  ASSERT_TRUE(Run(d, 320, EditAction::Undo));
  Prg(cut, 0) = Prg(x, 0);
  e.ExpectSet(d, cut);
}

TEST_F(ProgramEdits, InsertAtD11WithAFullBankAsksAboutD88AndKeepsEveryCall) {
  Song(x, 2).SetTrackProgram(4, 383);
  Bsq(x, 1).SetTrackProgram(3, 330);
  x.styles.headers[0].SetTrackProgram(2, 340);
  Arr(x, 3).SetTrackProgram(0, 350);
  Reload();
  // An empty clipboard is never inserted.
  ASSERT_TRUE(Run(d, 320, EditAction::Insert));
  e.ExpectSet(d, x);

  ASSERT_TRUE(Run(d, 352, EditAction::Copy));
  e.ExpectQuestion(ProgramReleaseQuestion("PRG 63"), MsgResult::Yes);
  ui.ExpectSelection(kProgram, 1);
  e.ExpectNotice(DuplicateNotice("Program", "D52", "D11", "PRG 32"));
  ui.events.clear();
  ASSERT_TRUE(Run(d, 320, EditAction::Insert));

  SetStores inserted = x;
  Prg(inserted, 0) = Prg(x, 32);
  for (int u = 1; u < 64; ++u) Prg(inserted, u) = Prg(x, u - 1);
  Song(inserted, 2).SetTrackProgram(4, 1);
  Bsq(inserted, 1).SetTrackProgram(3, 331);
  inserted.styles.headers[0].SetTrackProgram(2, 341);
  Arr(inserted, 3).SetTrackProgram(0, 351);
  e.ExpectSet(d, inserted);
  EXPECT_EQ(Clipboard().record, Prg(x, 63));
  EXPECT_EQ(ws.Slot(d).modified, (std::array<std::int16_t, 8>{1, 1, 1, 1, 1}));
  EXPECT_EQ(Clipboard().sourceNumber, 0);
  EXPECT_EQ(ui.events, (Events{"refresh 1 2", "undo 1 0"}));

  // Undo restores all 64 places and the calls that followed them, and gives
  // the clipboard back its Program.
  ASSERT_TRUE(Run(d, 320, EditAction::Undo));
  SetStores undone = x;
  Song(undone, 2).SetTrackProgram(4, 1);
  e.ExpectSet(d, undone);
  EXPECT_EQ(Clipboard().record, Prg(x, 32));
  EXPECT_EQ(Clipboard().sourceNumber, 32);
}

TEST_F(ProgramEdits, DrumKitsTravelWithTheirDrumKitData) {
  x.programs.drumKits[0][0] = 0x5A;
  x.programs.drumKits[0][839] = 0xA5;
  Reload();
  ASSERT_TRUE(Run(d, 518, EditAction::Cut));
  SetStores cut = x;
  Prg(cut, 64) = Empty();
  cut.programs.drumKits[0] = DrumKitData{};
  e.ExpectSet(d, cut);
  EXPECT_EQ(Clipboard().drumKit, x.programs.drumKits[0]);
  ASSERT_TRUE(Run(d, 518, EditAction::Undo));
  e.ExpectSet(d, x);

  ASSERT_TRUE(Run(d, 518, EditAction::Copy));
  ui.ExpectMessage(DuplicateNotice("Program", "Dr8", "Dr7", "KIT 7"));
  ASSERT_TRUE(Run(d, 519, EditAction::Paste));
  SetStores pasted = x;
  Prg(pasted, 65) = Prg(x, 64);
  pasted.programs.drumKits[1] = x.programs.drumKits[0];
  e.ExpectSet(d, pasted);
  ASSERT_TRUE(Run(d, 519, EditAction::Undo));
  e.ExpectSet(d, x);
  // A Program brings no drum-kit data, not even what an earlier copy left.
  ASSERT_TRUE(Run(d, 321, EditAction::Copy));
  EXPECT_EQ(Clipboard().drumKit, DrumKitData{});
}

TEST_F(ProgramEdits, EraseBankEmptiesTheUserItemsOfTheCellsBank) {
  ASSERT_TRUE(Run(d, 330, EditAction::Cut));  // forgotten by the Erase Bank
  ui.events.clear();
  ui.ExpectMessage("Bank Erasing can't be undone\r\nContinue?", MsgResult::Ok);
  ASSERT_TRUE(Run(d, 330, EditAction::EraseBank));
  SetStores erased = x;
  for (int u = 0; u < 64; ++u) Prg(erased, u) = Empty();
  e.ExpectSet(d, erased);

  ui.ExpectMessage("Bank Erasing can't be undone\r\nContinue?", MsgResult::Ok);
  ASSERT_TRUE(Run(d, 519, EditAction::EraseBank));
  Prg(erased, 64) = Empty();
  Prg(erased, 65) = Empty();
  erased.programs.drumKits = {};
  e.ExpectSet(d, erased);

  // A preset cell offers no Erase Bank.
  ASSERT_TRUE(Run(d, 5, EditAction::EraseBank));
  EXPECT_EQ(ui.events, (Events{"refresh 1 2", "undo 1 0", "refresh 1 2", "undo 1 0"}));
  // Nothing is left to undo.
  ASSERT_TRUE(Run(d, 330, EditAction::Undo));
  e.ExpectSet(d, erased);
}

}  // namespace
}  // namespace tolvane::test
