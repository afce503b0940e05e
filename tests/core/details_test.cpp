// The parameters dialogs' models: what they show of stored bytes, what they
// write back on "&OK" (only the fields they own), and what they leave alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "details/arrangement_details.h"
#include "details/global_details.h"
#include "details/program_details.h"
#include "details/sequence_details.h"
#include "details/style_details.h"
#include "edit_sets.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane::test {
namespace {

using C = ArrangementControl;
using Events = std::vector<std::string>;

class Details : public ::testing::Test {
 protected:
  void Reload() { ws.Stores(d) = x; }
  std::optional<ArrangementDetails> OpenA11() { return ArrangementDetails::Open(ws, d, 0); }
  // Valid values in every field the arrangement dialog owns.
  static void ValidFields(ArrangementRecord& r) {
    for (auto [at, v] : {std::pair{12, 1}, {14, 60}, {15, 2}, {16, 48}, {18, 0xFE}, {22, 7}, {23, 0}, {24, 2}, {25, 5}})
      r.bytes[static_cast<std::size_t>(at)] = static_cast<std::uint8_t>(v);
    PutI16(r.bytes, 30, 12);
    PutI16(r.bytes, 32, 3);
  }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(7);
  const int d = e.Add(x, "SETX");
};

struct ArrangementCase {
  const char* what;
  std::function<void(ArrangementRecord&)> stored;
  C control;
  int shown;
  std::function<void(ArrangementDetails&)> edit;
  std::function<void(ArrangementRecord&)> written;
};

TEST_F(Details, ArrangementShowsStoredValuesByItsRulesAndWritesOnlyItsFields) {
  const ArrangementCase cases[] = {
      {"bad tempo", [](auto& r) { r.bytes[14] = 250; }, C::Tempo, 120, [](auto& m) { m.Set(C::Var2, 3); },
       [](auto& r) { r.bytes[14] = 90; r.bytes[23] = 3; }},
      {"bad transpose", [](auto& r) { r.bytes[18] = 20; }, C::Transpose, 0, [](auto& m) { m.TypeName("X"); },
       [](auto& r) { r.bytes[18] = 0; r.SetName("X"); }},
      {"bad split key", [](auto& r) { r.bytes[16] = 20; }, C::SplitKey, 24, [](auto& m) { m.Set(C::Tempo, 300); },
       [](auto& r) { r.bytes[16] = 60; r.bytes[14] = 90; }},
      {"foreign bits", [](auto& r) { r.bytes[20] = 0xA5; r.bytes[21] = 0xE9; }, C::ChordLatch, 0,
       [](auto& m) { m.Set(C::DynamicBacking, 0); m.Set(C::TempoLock, 1); m.Set(C::ChordScan, 2); m.Set(C::ChordLatch, 1); },
       [](auto& r) { r.bytes[20] = 0xA6; r.bytes[21] = 0xFA; }},
      {"a name of printable characters", [](auto&) {}, C::Start, 1,
       [](auto& m) { m.TypeName(" \tA\rB\nC\x7F\x81\x9D D\xE9\x80XYZW"); }, [](auto& r) { r.SetName("ABC D\xE9\x80XYZ"); }},
      {"a name not typed over", [](auto& r) { r.SetName("  LEFT"); }, C::Start, 1, [](auto& m) { m.Set(C::Var2, 3); },
       [](auto& r) { r.bytes[23] = 3; }},
      {"transpose below the range, lowest tempo", [](auto& r) { r.bytes[18] = 0xF4; }, C::Transpose, 0,
       [](auto& m) { m.Set(C::Tempo, 40); }, [](auto& r) { r.bytes[18] = 0; r.bytes[14] = 10; }},
      {"lowest split key", [](auto& r) { r.bytes[16] = 36; }, C::SplitKey, 0, [](auto& m) { m.Set(C::Transpose, -11); },
       [](auto& r) { r.bytes[18] = 0xF5; }},
  };
  for (const ArrangementCase& c : cases) {
    SCOPED_TRACE(c.what);
    x = EditSet(7);
    auto& r = Arr(x, 0);
    ValidFields(r);
    c.stored(r);
    Reload();
    auto m = OpenA11();
    ASSERT_TRUE(m);
    EXPECT_EQ(m->Value(c.control), c.shown);
    c.edit(*m);
    ASSERT_TRUE(m->Apply());
    c.written(r);
    e.ExpectSet(d, x);
  }
}

TEST_F(Details, ArrangementOkWithoutAChangeOrAfterACancelledSelectionWritesNothing) {
  Arr(x, 0).bytes[14] = 250;
  Reload();
  auto m = OpenA11();
  ASSERT_TRUE(m);
  EXPECT_EQ(m->Caption(), "Arrangement A11 in SETX");
  EXPECT_EQ(m->Programs()[0].text, "DRUMS  : A11 " + ws.presets.programs[0]);
  ui.ExpectSelection(kProgram, -1).ExpectSelection(kStyle, 0);
  EXPECT_FALSE(m->ChooseProgram(0));
  EXPECT_FALSE(m->ChooseStyle());  // the Style it already calls
  EXPECT_FALSE(m->Apply());
  EXPECT_EQ(ui.selections, (Events{"1 0 Select a Program ", "1 0 Select a Style"}));
  EXPECT_TRUE(ui.events.empty());
  EXPECT_EQ(ws.Slot(d).modified[kArrangement], 0);
  e.ExpectSet(d, x);

  ui.ExpectSelection(kProgram, 321);
  ASSERT_TRUE(m->ChooseProgram(7));
  EXPECT_EQ(m->Programs()[7].text, "KBD 2  : D12 PRG 01    ");
  m->Cancel();
  EXPECT_FALSE(m->Apply());
  e.ExpectSet(d, x);

  Arr(x, 5).SetName(kBlankName);
  Reload();
  EXPECT_FALSE(ArrangementDetails::Open(ws, d, 5));
  EXPECT_FALSE(ArrangementDetails::Open(ws, d, -1));
}

TEST_F(Details, ArrangementOkRenamesRecallsAndChecksDuplicates) {
  ValidFields(Arr(x, 0));
  Arr(x, 0).bytes[35] |= 0x80;  // the instrument's flag on track 0's call
  Reload();
  auto m = OpenA11();
  ASSERT_TRUE(m);
  m->TypeName("ARR 01");
  ui.ExpectSelection(kProgram, 330).ExpectSelection(kStyle, 50);
  e.ExpectNotice(DuplicateNotice("Arrangement", "A12", "A11", "ARR 01"));
  ASSERT_TRUE(m->ChooseProgram(0));
  ASSERT_TRUE(m->ChooseStyle());
  EXPECT_EQ(m->StyleText(), "U13 STY 02    ");
  ASSERT_TRUE(m->Apply());
  Arr(x, 0).SetName("ARR 01");
  Arr(x, 0).SetTrackProgram(0, 330);
  Arr(x, 0).SetStyleNumber(50);
  e.ExpectSet(d, x);
  EXPECT_EQ(Arr(x, 0).bytes[35], 0x81);
  EXPECT_EQ(ui.events, (Events{"refresh 1 0"}));
  EXPECT_EQ(ws.Slot(d).modified[kArrangement], 1);
}

TEST_F(Details, GlobalShowsBadValuesAsTheFirstEntryAndKeepsCarriedBytes) {
  GlobalRecord& g = x.global;
  for (std::size_t i = 0; i < kGlobalRecordSize; ++i) g.bytes[i] = static_cast<std::uint8_t>(0xC0 + i);
  g.bytes[GlobalRecord::kVelocityCurve] = 12;
  g.bytes[GlobalRecord::kPedal2] = 34;
  g.bytes[GlobalRecord::kEc5Switches + 1] = 30;  // a continuous function: not an EC5 switch's
  Reload();
  auto m = GlobalDetails::Open(ws, d);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->Caption(), "Global in SETX");
  EXPECT_EQ(m->Position(GlobalControl::VelocityCurve), 0);
  EXPECT_EQ(m->Position(GlobalControl::Pedal2), 34);
  EXPECT_EQ(m->Position(GlobalControl::Ec5B), 0);
  m->Select(GlobalControl::Pedal1, 5);
  m->Cancel();
  EXPECT_FALSE(m->Apply());
  e.ExpectSet(d, x);
  EXPECT_EQ(ws.Stores(d).global, x.global);

  m = GlobalDetails::Open(ws, d);
  m->Select(GlobalControl::AftertouchCurve, 7);
  ASSERT_TRUE(m->Apply());
  for (std::size_t at : {2, 19, 38, 39, 40, 41, 42}) g.bytes[at] = 0;
  g.bytes[3] = 0;
  g.bytes[20] = 7;
  EXPECT_EQ(ws.Stores(d).global, x.global);
  EXPECT_EQ(ws.Slot(d).modified[kProgram], 1);
}

TEST_F(Details, PresetStyleShowsCallersOnlyAndAUserStyleWritesNameAndCallsThenChecksNames) {
  Bsq(x, 2).SetStyle(48);
  Arr(x, 3).SetStyleNumber(48);
  x.styles.headers[0].bytes[39] |= 0x80;
  Reload();
  auto preset = StyleDetails::Open(ws, d, 0);
  ASSERT_TRUE(preset);
  EXPECT_TRUE(preset->IsPreset());
  EXPECT_EQ(preset->CalledBy().size(), 63u + 9u);
  EXPECT_TRUE(preset->Programs().empty());
  EXPECT_EQ(preset->UsedEvents(), "");

  auto user = StyleDetails::Open(ws, d, 48);
  ASSERT_TRUE(user);
  EXPECT_EQ(user->Caption(), "Style U11 in SETX");
  EXPECT_EQ(user->CalledBy(), (Events{"Arr A14", "BSeq  2"}));
  EXPECT_EQ(user->UsedEvents(), std::to_string((x.styles.sizes[0] - kStyleBaseSize) / 4) + "  used by this Style");
  ui.ExpectSelection(kProgram, -1).ExpectSelection(kProgram, 321);
  EXPECT_FALSE(user->ChooseProgram(0));
  ASSERT_TRUE(user->ChooseProgram(0));
  user->TypeName("  STY 01");
  e.ExpectNotice(DuplicateNotice("Style", "U12", "U11", "STY 01"));
  ASSERT_TRUE(user->Apply());
  x.styles.headers[0].SetName("STY 01");
  x.styles.headers[0].SetTrackProgram(0, 321);
  e.ExpectSet(d, x);
  EXPECT_EQ(x.styles.headers[0].bytes[39], 0x81);
}

TEST_F(Details, ProgramCallersGoToAnotherProgramOnlyOnOk) {
  Arr(x, 1).SetTrackProgram(2, 320);
  Song(x, 4).SetTrackProgram(0, 320);
  Reload();
  auto m = ProgramDetails::Open(ws, d, 320);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->CalledBy(), (Events{"Arr A12: BASS   ", "Song  4: Trk  1"}));
  ui.ExpectSelection(kProgram, 5);
  ASSERT_TRUE(m->CallAnotherProgram());
  EXPECT_TRUE(m->CalledBy().empty());
  m->Cancel();
  EXPECT_FALSE(m->Apply());
  e.ExpectSet(d, x);

  m->TypeName("SOLO");
  ui.ExpectSelection(kProgram, 5);
  ASSERT_TRUE(m->CallAnotherProgram());
  ASSERT_TRUE(m->Apply());
  Prg(x, 0).SetName("SOLO");
  Arr(x, 1).SetTrackProgram(2, 5);
  Song(x, 4).SetTrackProgram(0, 5);
  e.ExpectSet(d, x);
  EXPECT_EQ(std::ranges::count(ui.events, "undo 1 0"), 1);  // no undo record brings the callers back

  auto preset = ProgramDetails::Open(ws, d, 5);
  ASSERT_TRUE(preset && preset->IsPreset());
  preset->TypeName("NEVER");
  EXPECT_FALSE(preset->Apply());
}

TEST_F(Details, ClearingTheNameOfACalledItemAsksTheReleaseQuestion) {
  Bsq(x, 2).SetArrangement(0);
  ValidFields(Arr(x, 0));
  const SetStores before = x;
  for (MsgResult answer : {MsgResult::Cancel, MsgResult::No, MsgResult::Yes}) {
    x = before;
    Reload();
    ui.events.clear();
    auto a = OpenA11();
    a->TypeName("  ");
    e.ExpectQuestion(ArrangementReferenceQuestion("ARR 00"), answer);
    if (answer == MsgResult::Yes) ui.ExpectSelection(kArrangement, 9);
    EXPECT_EQ(a->Apply(), answer != MsgResult::Cancel);
    if (answer != MsgResult::Cancel) Arr(x, 0).SetName(kBlankName);
    if (answer == MsgResult::Yes) Bsq(x, 2).SetArrangement(9);
    e.ExpectSet(d, x);
    EXPECT_EQ(ws.Slot(d).modified[kBackingSequence], answer == MsgResult::Yes ? 1 : 0);
    EXPECT_EQ(std::ranges::count(ui.events, "undo 1 0"), answer == MsgResult::Yes ? 1 : 0);
  }
}

TEST_F(Details, SequenceNextItemAndChainBits) {
  Bsq(x, 3).bytes[44] = 200;
  Bsq(x, 3).bytes[45] = 0xF1;
  Bsq(x, 3).SetName(" \tB");  // kept as stored: not typed over
  Song(x, 2).bytes[52] = 7;
  const std::size_t slot = SongRecord::kTrackSlotsOffset + 5 * SongRecord::kTrackSlotSize;
  Song(x, 2).bytes[slot] = 250;  // a code that names no Program
  Reload();
  auto b = SequenceDetails::OpenBackingSequence(ws, d, 3);
  ASSERT_TRUE(b);
  EXPECT_EQ(b->Caption(), "Backing Sequence 3 in SETX");
  EXPECT_EQ(b->NextText(), "0");
  EXPECT_FALSE(b->ChainControlsEnabled());
  EXPECT_TRUE(b->AutoStart());
  EXPECT_EQ(b->Programs()[2].text, "Extra 1 : A11 " + ws.presets.programs[0]);
  b->SetChain(true);
  b->SetAutoStart(false);
  ui.ExpectSelection(kArrangement, 0).ExpectSelection(kProgram, 330);
  ASSERT_TRUE(Bsq(x, 3).Arrangement() != 0 && b->ChooseArrangement() && b->ChooseProgram(0));
  ASSERT_TRUE(b->Apply());  // the next item out of 0 to 9 stays, untyped
  Bsq(x, 3).bytes[45] = 0xF2;
  Bsq(x, 3).SetArrangement(0);
  Bsq(x, 3).SetTrackProgram(0, 330);
  e.ExpectSet(d, x);
  b = SequenceDetails::OpenBackingSequence(ws, d, 3);
  ASSERT_TRUE(b && b->TypeNext("") && b->Apply());
  Bsq(x, 3).bytes[44] = 0;
  e.ExpectSet(d, x);

  auto s = SequenceDetails::OpenSong(ws, d, 2);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->NextText(), "7");
  EXPECT_TRUE(s->ChainControlsEnabled());
  for (const char* refused : {"255", "12", "-3", " 4", "a"}) EXPECT_FALSE(s->TypeNext(refused));
  EXPECT_TRUE(s->TypeNext("9"));
  ui.ExpectSelection(kProgram, 321);
  ASSERT_TRUE(s->ChooseProgram(0));
  ASSERT_TRUE(s->Apply());
  Song(x, 2).bytes[52] = 9;
  Song(x, 2).SetTrackProgram(0, 321);
  e.ExpectSet(d, x);
}

}  // namespace
}  // namespace tolvane::test
