// Item numbers, labels and names of every kind, and where records keep their
// Program calls.

#include <gtest/gtest.h>

#include <type_traits>
#include <vector>

#include "arrangements/arrangement_data.h"
#include "programs/program_data.h"
#include "programs/program_numbers.h"
#include "sequences/sequence_data.h"
#include "storage/preset_names.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {
namespace {

using Texts = std::vector<std::string>;
using Ints = std::vector<int>;
constexpr std::pair<int, int> kNone{65535, 65535};

// f applied to each argument; integer results as int.
template <class F>
auto Each(F f, std::initializer_list<int> args) {
  using R = decltype(f(0));
  using Out = std::conditional_t<std::is_integral_v<R>, int, R>;
  std::vector<Out> out;
  for (int a : args) out.push_back(static_cast<Out>(f(a)));
  return out;
}

TEST(ItemNumbers, LabelsAtTheBankEdges) {
  EXPECT_EQ(Each(ArrangementLabel, {0, 9, 63, 64, -1}), (Texts{"A11", "A22", "A88", "", ""}));
  EXPECT_EQ(Each(StyleLabel, {0, 47, 48, 79, 80, -1}), (Texts{"P11", "P68", "U11", "U84", "", ""}));
  EXPECT_EQ(Each(UserStyleLabel, {4, 32}), (Texts{"U21", ""}));
  EXPECT_EQ(Each(ProgramLabel, {0, 64, 319, 320, 383, 512, 519, 128, 255, 384, 511, 520, -1, 65535}),
            (Texts{"A11", "B11", "C88", "D11", "D88", "Dr1", "Dr8", "", "", "", "", "", "", ""}));
  EXPECT_EQ(Each(UserProgramLabel, {0, 64, 65, 66, -1}), (Texts{"D11", "Dr7", "Dr8", "", ""}));
  // Kinds and banks outside the tables name nothing.
  EXPECT_EQ(KindName(12) + BankLetter(kProgram, 5) + BankLetter(kStyle, -1) + BankLetter(kStyle, 8) +
                BankLetter(kBackingSequence, 0), "    ");
}

TEST(ItemNumbers, EveryNumberSurvivesSplitAndJoin) {
  int programs = 0, userPrograms = 0, styles = 0, userStyles = 0;
  for (int n = -2; n < 600; ++n) {
    if (const auto [bank, index] = SplitProgramNumber(n); bank != 65535) {
      ++programs;
      EXPECT_EQ(ProgramNumber(bank, index), n);
    }
    if (const int u = UserIndexOfProgram(n); u >= 0) {
      ++userPrograms;
      EXPECT_EQ(UserProgramNumber(u), n);
      const auto [bank, index] = SplitUserIndex(u);
      EXPECT_EQ(UserProgramIndexOfBank(bank, index), u);
    }
    if (const auto [bank, index] = SplitStyleNumber(n); bank != 65535) {
      ++styles;
      EXPECT_EQ(StyleNumber(bank, index), n);
    }
    if (const int u = UserIndexOfStyle(n); u >= 0) {
      ++userStyles;
      EXPECT_EQ(UserStyleNumber(u), n);
    }
  }
  EXPECT_EQ(programs, 64 * 4 + 8);
  EXPECT_EQ(userPrograms, 66);
  EXPECT_EQ(styles, 80);
  EXPECT_EQ(userStyles, 32);
  EXPECT_EQ(Each(SplitProgramNumber, {100, 256, 517, 128, 384, 520}),
            (std::vector<std::pair<int, int>>{{1, 36}, {2, 0}, {4, 5}, kNone, kNone, kNone}));
  EXPECT_EQ(Each(UserIndexOfProgram, {320, 519, 512, 319}), (Ints{0, 65, -1, -1}));
  EXPECT_EQ(Each(SplitStyleNumber, {47, 48, 80}), (std::vector<std::pair<int, int>>{{0, 47}, {1, 0}, kNone}));
  EXPECT_EQ(Each(SplitArrangementNumber, {40, -1, 65535}), (std::vector<std::pair<int, int>>{{0, 40}, kNone, kNone}));
  EXPECT_EQ(Each(CheckArrangementNumber, {63, 64}), (Ints{63, -1}));
  // An index outside its bank must not reach into the neighbouring one.
  EXPECT_EQ((Ints{ProgramNumber(3, -1), ProgramNumber(0, 64), ProgramNumber(4, 8), ProgramNumber(5, 0),
                  UserProgramIndexOfBank(4, 5), UserProgramIndexOfBank(3, 64), StyleNumber(2, 0),
                  UserStyleIndexOfBank(0, 3), ArrangementNumber(1, 12), StyleNumber(0, 48), StyleNumber(1, 32),
                  StyleNumber(1, -1)}),
            Ints(12, -1));
}

TEST(ItemNames, ComeFromThePresetsOrTheSetAndBlankNamesMarkEmptySlots) {
  PresetNames presets;
  presets.programs[127] = "Gunshot   ";
  presets.bankC[63] = "Last C    ";
  presets.drumKits[5] = "Brush Kit ";
  presets.styles[47] = "Last Pres ";
  ProgramSetData programs;
  for (auto& record : programs.records) record.SetName("");
  programs.records[1].SetName("My Strings");
  programs.records[65].SetName("My Kit");
  programs.records[2].bytes.fill(0x33);
  programs.records[2].SetName("");
  EXPECT_EQ(Each([&](int n) { return ProgramName(presets, programs, n); }, {127, 319, 517, 321, 519, 200, -1}),
            (Texts{"Gunshot   ", "Last C    ", "Brush Kit ", "My Strings", "My Kit    ", "", ""}));
  EXPECT_EQ(Each([&](int u) { return UserProgramName(programs, u); }, {65, 66, -1}),
            (Texts{"My Kit    ", kBlankName, kBlankName}));
  EXPECT_EQ(Each([&](int u) { return IsUserProgramEmpty(programs, u); }, {2, 1, 66, -1}), (Ints{1, 0, 0, 0}));

  // The Style and Arrangement names of the Set are shown by the grid cells;
  // numbers that name nothing have no name and no empty slot.
  StyleSetData styles;
  styles.headers[0].SetName(kBlankName);
  EXPECT_EQ(Each([&](int n) { return StyleName(presets, styles, n); }, {47, 80, -1}), (Texts{"Last Pres ", "", ""}));
  EXPECT_EQ(UserStyleName(styles, -1), kBlankName);
  EXPECT_EQ(Each([&](int u) { return IsUserStyleEmpty(styles, u); }, {0, -1}), (Ints{1, 0}));
  ArrangementSetData arrangements;
  arrangements.records[5].bytes.fill(0x5A);
  arrangements.records[5].SetName("");
  EXPECT_EQ(ArrangementNameOrBlanks(arrangements, -1), kBlankName);
  EXPECT_EQ(ArrangementName(arrangements, -1), "");
  EXPECT_EQ(Each([&](int n) { return IsArrangementEmpty(arrangements, n); }, {5, 65535, -1}), (Ints{1, 0, 0}));
}

TEST(ItemNames, AProgramIsFoundByNameAmongItemsOfItsOwnSort) {
  ProgramSetData data;
  for (auto& record : data.records) record.SetName("");
  for (int u : {64, 40, 50}) data.records[static_cast<std::size_t>(u)].SetName("Rock Kit");
  data.records[65].SetName(std::string(kBlankName));
  EXPECT_EQ(FindUserProgramByName(data, "Rock Kit  ", false), 360);
  EXPECT_EQ(FindUserProgramByName(data, "Rock Kit  ", true), 518);
  EXPECT_EQ(FindUserProgramByName(data, std::string(kBlankName), true), 519);
  data.records[40].SetName("Other");
  data.records[50].SetName("Other");
  EXPECT_EQ(FindUserProgramByName(data, "Rock Kit  ", false), -1);
  EXPECT_EQ(FindUserProgramByName(data, "Rock Kit", true), -1);
  EXPECT_EQ(FindUserProgramByName(data, "rock kit  ", true), -1);
}

TEST(ProgramCalls, OneByteReferencesKeepTheOtherFlagBits) {
  EXPECT_EQ((Ints{DecodeProgramRef(130, 0x80), DecodeProgramRef(65, 0x00), DecodeProgramRef(200, 0x80),
                  DecodeProgramRef(66, 0x7F)}),
            (Ints{514, 519, -1, -1}));
  std::uint8_t b = 9, flag = 0x81;
  EncodeProgramRef(b, flag, 200);  // no Program: B = 0, the flag as it was
  EXPECT_EQ(std::make_pair(b, flag), std::make_pair(std::uint8_t{0}, std::uint8_t{0x81}));
  for (int n = 0; n < 600; ++n) {
    if (SplitProgramNumber(n).first == 65535) continue;
    std::uint8_t pb = 0xEE, fb = 0x3C;
    EncodeProgramRef(pb, fb, n);
    EXPECT_EQ(DecodeProgramRef(pb, fb), n);
    EXPECT_EQ(fb & 0x7F, 0x3C);
  }
}

// Sets track t of a record of 0x55 bytes: the bytes that changed, as
// "offset=value ", and what the track then reads.
template <class Record>
std::string Changed(int t, int number) {
  Record r;
  r.bytes.fill(0x55);
  const Record before = r;
  r.SetTrackProgram(t, static_cast<std::int16_t>(number));
  std::string out;
  for (std::size_t i = 0; i < r.bytes.size(); ++i)
    if (r.bytes[i] != before.bytes[i]) out += std::to_string(i) + "=" + std::to_string(r.bytes[i]) + " ";
  return out + "-> " + std::to_string(r.TrackProgram(t));
}

TEST(ProgramCalls, RecordsKeepThemWhereTheInstrumentDoes) {
  EXPECT_EQ(Changed<ArrangementRecord>(2, 261), "50=5 51=1 -> 261");
  EXPECT_EQ(Changed<ArrangementRecord>(7, 519), "90=7 91=2 -> 519");
  EXPECT_EQ(Changed<ArrangementRecord>(8, 5), "-> -1");
  EXPECT_EQ(Changed<ArrangementRecord>(-1, 5), "-> -1");
  EXPECT_EQ(Changed<StyleHeader>(2, 519), "46=7 47=2 -> 519");
  EXPECT_EQ(Changed<BackingSequenceRecord>(1, 383), "22=127 23=1 -> 383");
  EXPECT_EQ(Changed<BackingSequenceRecord>(2, 383), "46=127 47=1 -> 383");
  EXPECT_EQ(Changed<BackingSequenceRecord>(9, 383), "151=127 152=1 -> 383");
  // Songs keep B and bit 7 of a flag byte ten bytes on: user drum kit Dr8 is B 65, flag clear; C11 sets it.
  EXPECT_EQ(Changed<SongRecord>(15, 519), "273=65 -> 519");
  EXPECT_EQ(Changed<SongRecord>(15, 300), "273=178 283=213 -> 300");

  // Bit 7 of the high byte is not part of the number.
  ArrangementRecord a;
  a.bytes[50] = 0x05;
  a.bytes[51] = 0x81;
  EXPECT_EQ(a.TrackProgram(2), 261);
  StyleHeader h;
  h.bytes[58] = 0x41;
  h.bytes[59] = 0x81;
  EXPECT_EQ(h.TrackProgram(5), 321);
  EXPECT_EQ(Changed<StyleHeader>(6, 5), "-> -1");
  SongRecord s;
  s.bytes[103] = 0x80;
  EXPECT_EQ(s.TrackProgram(0), 0);
  EXPECT_EQ(Changed<SongRecord>(16, 5), "-> -1");
}

}  // namespace
}  // namespace tolvane
