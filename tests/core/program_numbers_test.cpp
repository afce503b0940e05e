#include <gtest/gtest.h>

#include "programs/program_clip.h"
#include "programs/program_data.h"
#include "programs/program_numbers.h"
#include "random_programs.h"
#include "scripted_ui.h"
#include "storage/preset_names.h"
#include "storage/tables.h"
#include "storage/workspace.h"

namespace tolvane {
namespace {

using BankIndex = std::pair<int, int>;
constexpr BankIndex kNone{65535, 65535};

TEST(ProgramNumbers, LabelsFollowTheBanks) {
  EXPECT_EQ(ProgramLabel(320), "D11");
  EXPECT_EQ(ProgramLabel(383), "D88");
  EXPECT_EQ(ProgramLabel(0), "A11");
  EXPECT_EQ(ProgramLabel(64), "B11");
  EXPECT_EQ(ProgramLabel(319), "C88");
  EXPECT_EQ(ProgramLabel(512), "Dr1");
  EXPECT_EQ(ProgramLabel(519), "Dr8");
  for (int invalid : {200, 128, 255, 384, 511, 520, -1, 65535}) EXPECT_EQ(ProgramLabel(invalid), "") << invalid;
  EXPECT_EQ(UserProgramLabel(0), "D11");
  EXPECT_EQ(UserProgramLabel(64), "Dr7");
  EXPECT_EQ(UserProgramLabel(65), "Dr8");
  EXPECT_EQ(UserProgramLabel(66), "");
  EXPECT_EQ(UserProgramLabel(-1), "");
}

TEST(ProgramNumbers, UserIndexesAndBanks) {
  EXPECT_EQ(UserProgramNumber(64), 518);
  EXPECT_EQ(UserProgramNumber(0), 320);
  EXPECT_EQ(UserProgramNumber(66), -1);
  EXPECT_EQ(UserIndexOfProgram(519), 65);
  EXPECT_EQ(UserIndexOfProgram(383), 63);
  EXPECT_EQ(UserIndexOfProgram(512), -1);
  EXPECT_EQ(UserIndexOfProgram(319), -1);
  for (int i = 0; i <= 5; ++i) EXPECT_EQ(UserProgramIndexOfBank(4, i), -1) << i;
  EXPECT_EQ(UserProgramIndexOfBank(4, 6), 64);
  EXPECT_EQ(UserProgramIndexOfBank(4, 7), 65);
  EXPECT_EQ(UserProgramIndexOfBank(3, 63), 63);
  EXPECT_EQ(UserProgramIndexOfBank(3, 64), -1);
  EXPECT_EQ(UserProgramIndexOfBank(2, 0), -1);
  EXPECT_EQ(SplitUserIndex(65), (BankIndex{4, 7}));
  EXPECT_EQ(SplitUserIndex(10), (BankIndex{3, 10}));
  EXPECT_EQ(SplitUserIndex(66), kNone);
  EXPECT_EQ(SplitUserIndex(-1), kNone);

  EXPECT_EQ(SplitProgramNumber(100), (BankIndex{1, 36}));
  EXPECT_EQ(SplitProgramNumber(256), (BankIndex{2, 0}));
  EXPECT_EQ(SplitProgramNumber(517), (BankIndex{4, 5}));
  for (int invalid : {128, 255, 384, 511, 520, -1}) EXPECT_EQ(SplitProgramNumber(invalid), kNone) << invalid;
  // Every valid number survives a split and a join.
  int valid = 0;
  for (int n = -2; n < 600; ++n) {
    const auto [bank, index] = SplitProgramNumber(n);
    if (bank == 65535) continue;
    ++valid;
    EXPECT_EQ(ProgramNumber(bank, index), n);
  }
  EXPECT_EQ(valid, 64 * 4 + 8);
  EXPECT_EQ(ProgramNumber(5, 0), -1);
  // An index outside its bank must not reach into the neighbouring one.
  EXPECT_EQ(ProgramNumber(3, -1), -1);
  EXPECT_EQ(ProgramNumber(0, 64), -1);
  EXPECT_EQ(ProgramNumber(4, 8), -1);
}

TEST(ProgramNumbers, NamesComeFromPresetsOrTheSet) {
  PresetNames presets;
  presets.programs[0] = "Piano     ";
  presets.programs[127] = "Gunshot   ";
  presets.bankC[63] = "Last C    ";
  presets.drumKits[5] = "Brush Kit ";
  ProgramSetData data;
  for (auto& record : data.records) record.SetName("");
  data.records[1].SetName("My Strings");
  data.records[65].SetName("My Kit");
  EXPECT_EQ(ProgramName(presets, data, 0), "Piano     ");
  EXPECT_EQ(ProgramName(presets, data, 127), "Gunshot   ");
  EXPECT_EQ(ProgramName(presets, data, 319), "Last C    ");
  EXPECT_EQ(ProgramName(presets, data, 517), "Brush Kit ");
  EXPECT_EQ(ProgramName(presets, data, 321), "My Strings");
  EXPECT_EQ(ProgramName(presets, data, 519), "My Kit    ");
  EXPECT_EQ(ProgramName(presets, data, 200), "");
  EXPECT_EQ(ProgramName(presets, data, -1), "");
  EXPECT_EQ(UserProgramName(data, 65), "My Kit    ");
  EXPECT_EQ(UserProgramName(data, 66), "          ");
  EXPECT_EQ(UserProgramName(data, -1), "          ");

  data.records[2].bytes.fill(0x33);
  data.records[2].SetName("");
  EXPECT_TRUE(IsUserProgramEmpty(data, 2));
  EXPECT_FALSE(IsUserProgramEmpty(data, 1));
  EXPECT_FALSE(IsUserProgramEmpty(data, 66));
  EXPECT_FALSE(IsUserProgramEmpty(data, -1));
}

TEST(ProgramNumbers, FindByNamePrefersUserProgramsOverDrumKits) {
  ProgramSetData data;
  for (auto& record : data.records) record.SetName("");
  data.records[64].SetName("Rock Kit");
  data.records[40].SetName("Rock Kit");
  data.records[50].SetName("Rock Kit");
  EXPECT_EQ(FindUserProgramByName(data, "Rock Kit  "), 360);
  data.records[40].SetName("Other");
  data.records[50].SetName("Other");
  EXPECT_EQ(FindUserProgramByName(data, "Rock Kit  "), 518);
  EXPECT_EQ(FindUserProgramByName(data, "Rock Kit"), -1);
  EXPECT_EQ(FindUserProgramByName(data, "rock kit  "), -1);
  EXPECT_EQ(FindUserProgramByName(data, "Missing   "), -1);
}

TEST(ProgramRef, EncodingsFollowTheTable) {
  EXPECT_EQ(DecodeProgramRef(130, 0x80), 514);
  EXPECT_EQ(DecodeProgramRef(65, 0x00), 519);
  EXPECT_EQ(DecodeProgramRef(200, 0x80), -1);
  EXPECT_EQ(DecodeProgramRef(66, 0x7F), -1);
  std::uint8_t b = 0, flag = 0x05;
  EncodeProgramRef(b, flag, 300);
  EXPECT_EQ(b, 178);
  EXPECT_EQ(flag, 0x85);
  EncodeProgramRef(b, flag, 321);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(flag, 0x05);
  b = 9;
  flag = 0x81;
  EncodeProgramRef(b, flag, 200);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(flag, 0x81);
  for (int n = 0; n < 600; ++n) {
    if (SplitProgramNumber(n).first == 65535) continue;
    std::uint8_t pb = 0xEE, fb = 0x3C;
    EncodeProgramRef(pb, fb, n);
    EXPECT_EQ(DecodeProgramRef(pb, fb), n);
    EXPECT_EQ(fb & 0x7F, 0x3C);
  }
}

TEST(ProgramClip, CopiesAndPastesUserItemsWithTheirDrumKitData) {
  test::ScriptedUi ui;
  Workspace ws(ui, ui);
  const int a = AllocateDocumentSlot(ws);
  const int b = AllocateDocumentSlot(ws);
  test::Rng rng(8);
  ws.Stores(a).programs = test::RandomProgramSetData(rng);
  ws.Stores(b).programs = test::RandomProgramSetData(rng);
  const ProgramSetData source = ws.Stores(a).programs;
  const ProgramSetData before = ws.Stores(b).programs;

  ProgramClip clip;
  CopyProgramToClip(clip, ws, a, 64);
  EXPECT_EQ(clip.sourceSet, a);
  EXPECT_EQ(clip.sourceNumber, 64);
  EXPECT_EQ(PasteClipToProgram(clip, ws, b, 65), 64);
  EXPECT_EQ(ws.Stores(b).programs.records[65], source.records[64]);
  EXPECT_EQ(ws.Stores(b).programs.drumKits[1], source.drumKits[0]);
  EXPECT_EQ(ws.Stores(b).programs.drumKits[0], before.drumKits[0]);
  EXPECT_EQ(ws.Slot(b).modified[kProgram], 1);
  EXPECT_EQ(ws.Slot(a).modified[kProgram], 0);

  // A Program brings no drum-kit data, not even what an earlier copy left.
  CopyProgramToClip(clip, ws, a, 3);
  EXPECT_EQ(clip.drumKit, DrumKitData{});
  EXPECT_EQ(PasteClipToProgram(clip, ws, b, 10), 3);
  EXPECT_EQ(ws.Stores(b).programs.records[10], source.records[3]);
  EXPECT_EQ(ws.Stores(b).programs.drumKits[1], source.drumKits[0]);

  const ProgramClip kept = clip;
  CopyProgramToClip(clip, ws, a, -1);
  EXPECT_EQ(clip.sourceNumber, kept.sourceNumber);
  EXPECT_EQ(clip.record, kept.record);
  ws.Slot(b).modified[kProgram] = 0;
  const ProgramSetData now = ws.Stores(b).programs;
  EXPECT_EQ(PasteClipToProgram(clip, ws, b, -1), -1);
  EXPECT_EQ(PasteClipToProgram(clip, ws, b, 66), -1);
  EXPECT_EQ(ws.Stores(b).programs.records, now.records);
  EXPECT_EQ(ws.Slot(b).modified[kProgram], 0);
}

}  // namespace
}  // namespace tolvane
