// The Edit commands and drops on the Styles tab: the Blocks' event capacity,
// the callers' questions, track calls found again in another Set, and Undo
// giving every byte back.

#include <gtest/gtest.h>

#include "edit_sets.h"
#include "editing/drag_drop.h"
#include "editing/duplicate_names.h"
#include "editing/edit_commands.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane::test {
namespace {

constexpr auto kYes = MsgResult::Yes, kNo = MsgResult::No, kCancel = MsgResult::Cancel;
constexpr auto kCut = EditAction::Cut, kCopy = EditAction::Copy, kPaste = EditAction::Paste, kUndo = EditAction::Undo;

StyleClip Take(const SetStores& s, std::size_t u) {
  return {0, 0, 0, s.styles.present[u], s.styles.sizes[u], s.styles.headers[u], s.styles.data[u]};
}
void Put(SetStores& s, std::size_t u, const StyleClip& c) {
  std::tie(s.styles.present[u], s.styles.sizes[u], s.styles.headers[u], s.styles.data[u]) =
      std::tie(c.present, c.size, c.header, c.data);
}
void SetEvents(SetStores& s, std::size_t u, int events) {
  Put(s, u, {0, 0, 0, 1, kStyleBaseSize + 4 * events, s.styles.headers[u], Bytes(1106 + 4 * events, 0x5A)});
}
std::string Release(const std::string& name) {
  return name + " Style is referenced by one\r\nor more Arrangements or Backing Sequences.\r\n"
                "Change references to another Style?";
}

class StyleEdits : public ::testing::Test {
 protected:
  StyleEdits() {
    // Small Styles, with the instrument's flag bit in every track call.
    for (SetStores* s : {&x, &y})
      for (std::size_t u = 0; u < 8; ++u) {
        SetEvents(*s, u, 10 * static_cast<int>(u));
        for (std::size_t t = 0; t < 6; ++t) s->styles.headers[u].bytes[kStyleTrackTableOffset + 4 * t + 1] |= 0x80;
      }
    Reload();
  }
  void Reload() { ws.Stores(d) = x, ws.Stores(dy) = y, ws.Slot(dy).modified = {}, ui.events.clear(); }
  bool Run(int set, int number, EditAction command) { return DispatchEditCommand(ws, set, kStyle, number, command); }
  DropResult Drag(int sd, int s, int td, int t) {
    return BeginDrag(ws, sd, kStyle, s) ? DropItem(ws, ws.edits.drag, td, kStyle, t) : DropResult::Ignored;
  }
  std::string LastUndo() const {
    for (auto it = ui.events.rbegin(); it != ui.events.rend(); ++it)
      if (it->rfind("undo", 0) == 0) return *it;
    return "";
  }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  const StyleClip& empty = ws.edits.styles.empty;
  SetStores x = EditSet(41), y = EditSet(42);
  const int d = e.Add(x, "SETX"), dy = e.Add(y, "SETY");
};

TEST_F(StyleEdits, APasteMustFitTheBlockUnlessTheStyleMovesWithinIt) {
  ws.prefs.warnDupl = 0;
  for (auto [u, events] : {std::pair{0, 100}, {1, 14900}, {2, 0}, {3, 0}, {4, 301}, {5, 300}}) SetEvents(x, u, events);
  Arr(x, 3).SetStyleNumber(53);  // a paste leaves the callers of the Style copied alone
  struct Case { int from, to; bool drag; int needed, available, freeAfter; };
  for (const Case& c : {Case{4, 0, false, 301, 300, 200}, {5, 0, false, 0, 0, 0}, {1, 2, true, 0, 0, 200},
                        {4, 3, true, 301, 200, 200}}) {
    Reload();
    if (c.needed)
      e.ExpectNotice("Pasted Style (" + std::to_string(c.needed) + " events) is too big for destination\r\n"
                     "Block, where only " + std::to_string(c.available) + " events are available.");
    if (c.drag) Drag(d, 48 + c.from, d, 48 + c.to);
    if (!c.drag) Run(d, 48 + c.from, kCopy), ui.events.clear(), Run(d, 48 + c.to, kPaste);
    SetStores want = x;
    if (c.needed == 0) Put(want, c.to, Take(x, c.from));
    if (c.needed == 0 && c.drag) Put(want, c.from, empty);
    e.ExpectSet(d, want);
    EXPECT_EQ(BlockFreeEvents(ws.Stores(d).styles, c.to), c.freeAfter);
    EXPECT_EQ(LastUndo(), c.needed ? "" : "undo 1 1");
  }
  // A Block over its capacity (100 events too many) still takes a Style no
  // larger than the one it replaces.
  SetEvents(x, 1, 15200);
  SetEvents(x, 6, 50);
  Reload();
  Run(d, 48 + 6, kCopy);
  Run(d, 48, kPaste);
  Put(x, 0, Take(x, 6));
  e.ExpectSet(d, x);
}

TEST_F(StyleEdits, CutOfAStyleCalledByTwoArrangementsFollowsTheAnswer) {
  Arr(x, 3).SetStyleNumber(49), Arr(x, 7).SetStyleNumber(49), Bsq(x, 5).SetStyle(49);
  struct Case { MsgResult answer; std::int16_t callsAfter; const char* undo; };
  for (const Case& c : {Case{kCancel, 49, ""}, {kNo, 49, "undo 1 1"}, {kYes, 3, "undo 1 0"}}) {
    Reload();
    e.ExpectQuestion(Release("STY 01"), c.answer);
    if (c.answer == kYes) ui.ExpectSelection(kStyle, 3);
    ASSERT_TRUE(Run(d, 49, kCut));
    SetStores want = x;
    if (c.answer != kCancel) Put(want, 1, empty);
    Arr(want, 3).SetStyleNumber(c.callsAfter), Arr(want, 7).SetStyleNumber(c.callsAfter), Bsq(want, 5).SetStyle(c.callsAfter);
    e.ExpectSet(d, want);
    EXPECT_EQ(LastUndo(), c.undo);
  }
  EXPECT_EQ(ui.selections, std::vector<std::string>{"1 49 Select a Style"});
}

TEST_F(StyleEdits, AStyleFromAnotherSetFindsItsProgramsByNameOrAsks) {
  x.styles.headers[0].SetTrackProgram(3, 321);  // ACC1: "PRG 01", which Y keeps as D46
  x.styles.headers[0].SetTrackProgram(2, 322);  // BASS: "PRG 02", which Y lacks
  Prg(y, 1).SetName("OTHER"), Prg(y, 29).SetName("PRG 01"), Prg(y, 2).SetName("NONE");
  Arr(y, 0).SetStyleNumber(49);
  // bass -1: the paste is abandoned; released: pasted over U12, whose caller goes to P14 first.
  struct Case { MsgResult answer; int chosen, bass; bool released; const char* undo; };
  for (const Case& c : {Case{kNo, 0, 322, false, "undo 2 1"}, {kCancel, 0, -1, false, ""}, {kYes, -1, -1, false, ""},
                        {kYes, 330, 330, false, "undo 2 1"}, {kCancel, 0, -1, true, "undo 2 0"}}) {
    Reload();
    ASSERT_TRUE(Run(d, 48, kCopy));
    const StyleClip undo = ws.edits.styles.undo;
    ui.events.clear();
    if (c.released) e.ExpectQuestion(Release("STY 01"), kYes), ui.ExpectSelection(kStyle, 3);
    e.ExpectQuestion("Track 'BASS' of Style 'STY 00' calls Program 'PRG 02' non-existent in 'SETY'\r\n\r\n"
                     "Redirect this track to an existing Program?", c.answer);
    if (c.answer == kYes) ui.ExpectSelection(kProgram, c.chosen);
    ASSERT_TRUE(Run(dy, 48 + c.released, kPaste));
    SetStores want = y;
    if (c.released) Arr(want, 0).SetStyleNumber(3);
    if (c.bass >= 0) Put(want, 0, Take(x, 0)), want.styles.headers[0].SetTrackProgram(3, 349),
                     want.styles.headers[0].SetTrackProgram(2, static_cast<std::int16_t>(c.bass));
    e.ExpectSet(dy, want);
    EXPECT_EQ(LastUndo(), c.undo);
    EXPECT_EQ(ws.Slot(dy).modified[kStyle], c.bass >= 0 ? 1 : 0);
    EXPECT_TRUE(c.bass >= 0 || ws.edits.styles.undo == undo);
    ASSERT_TRUE(Run(dy, 48, kUndo));
    e.ExpectSet(dy, c.released ? want : y);  // a redirection stays
  }
  EXPECT_EQ(ui.selections[0], "2 0 Select a Program for track 'BASS   '");
}

TEST_F(StyleEdits, StylesOfBlocksTheFileLacksHaveBlankNamesAndAreNoItems) {
  StyleSetData& styles = ws.Stores(d).styles;
  EXPECT_EQ(styles.headers[8].Name(), std::string(10, '\0'));
  EXPECT_EQ(UserStyleName(styles, 8) + StyleName(ws.presets, styles, 56), kBlankName + kBlankName);
  EXPECT_TRUE(IsUserStyleEmpty(styles, 8));
  ASSERT_TRUE(Run(d, 56, kCopy) && ws.edits.styles.clipboard.sourceSet == 0);
  ASSERT_TRUE(Run(d, 49, kCopy) && Run(d, 56, kPaste));
  EXPECT_EQ(Drag(d, 49, d, 56), DropResult::Ignored);
  EXPECT_TRUE(styles.headers[8] == StyleHeader{} && !ws.Slot(d).AnyModified());
  // Opening a Set compares the Styles too, those of absent Blocks never.
  styles.headers[6].SetName(" STY 00");
  e.ExpectNotice(DuplicateNotice("Style", "U23", "U11", "STY 00"));
  CheckSetDuplicateNames(ws, d);
}

}  // namespace
}  // namespace tolvane::test
