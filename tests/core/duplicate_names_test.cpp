// The duplicate-name warnings of Arrangements and Programs.

#include <gtest/gtest.h>

#include "arrangements/arrangement_duplicates.h"
#include "edit_sets.h"
#include "programs/program_duplicates.h"
#include "storage/text.h"

namespace tolvane::test {
namespace {

class DuplicateNames : public ::testing::Test {
 protected:
  void SetUp() override {
    // All blank names: never duplicates of one another.
    for (auto& r : x.arrangements.records) r.SetName(kBlankName);
    for (auto& r : x.programs.records) r.SetName(kBlankName);
  }
  void Notice(const std::string& text) {
    ui.ExpectBox("", text, MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, MsgResult::Ok);
  }
  int Add() { return e.Add(x, "SETX"); }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  SetStores x = EditSet(21);
};

TEST_F(DuplicateNames, FourEqualNamesGiveThreePairMessagesThenTheSummary) {
  for (int n : {3, 10, 20, 40}) x.arrangements.records[static_cast<std::size_t>(n)].SetName("SAME");
  const int d = Add();
  Notice("Arrangement duplicate name\r\nA23 - A14  (SAME)");
  Notice("Arrangement duplicate name\r\nA35 - A14  (SAME)");
  Notice("Arrangement duplicate name\r\nA35 - A23  (SAME)");
  Notice("More than 4 Arrangement duplicate names !");
  EXPECT_TRUE(CheckArrangementDuplicateNames(e.ws, d));
}

TEST_F(DuplicateNames, ThreeEqualNamesGiveOnlyThePairMessages) {
  for (int n : {0, 1, 63}) x.arrangements.records[static_cast<std::size_t>(n)].SetName("SAME");
  const int d = Add();
  Notice("Arrangement duplicate name\r\nA12 - A11  (SAME)");
  Notice("Arrangement duplicate name\r\nA88 - A11  (SAME)");
  Notice("Arrangement duplicate name\r\nA88 - A12  (SAME)");
  EXPECT_TRUE(CheckArrangementDuplicateNames(e.ws, d));
}

TEST_F(DuplicateNames, OuterBlanksDoNotCountButCaseAndInnerBlanksDo) {
  x.arrangements.records[2].SetName("  POP");
  x.arrangements.records[9].SetName("POP   ");
  x.arrangements.records[11].SetName("pop");
  x.arrangements.records[12].SetName("P OP");
  const int d = Add();
  Notice("Arrangement duplicate name\r\nA22 - A13  (POP)");
  EXPECT_TRUE(CheckArrangementDuplicateNames(e.ws, d));
}

TEST_F(DuplicateNames, BlankNamesAreNeverDuplicates) {
  const int d = Add();
  EXPECT_FALSE(CheckArrangementDuplicateNames(e.ws, d));
  EXPECT_FALSE(CheckProgramDuplicateNames(e.ws, d));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DuplicateNames, TheWarningPreferenceSwitchesTheChecksOff) {
  for (int n : {3, 10}) x.arrangements.records[static_cast<std::size_t>(n)].SetName("SAME");
  x.programs.records[64].SetName("KIT");
  x.programs.records[65].SetName("KIT");
  const int d = Add();
  e.ws.prefs.warnDupl = 0;
  EXPECT_FALSE(CheckArrangementDuplicateNames(e.ws, d));
  EXPECT_FALSE(CheckProgramDuplicateNames(e.ws, d));
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(DuplicateNames, ProgramsAreComparedAmongThemselvesAndDrumKitsWithEachOther) {
  for (int u : {5, 6}) x.programs.records[static_cast<std::size_t>(u)].SetName("PIANO");
  x.programs.records[64].SetName(" KIT");  // a drum kit is never compared with a Program
  x.programs.records[65].SetName("KIT ");
  x.programs.records[7].SetName("KIT");
  const int d = Add();
  Notice("Program duplicate name\r\nD17 - D16  (PIANO)");
  Notice("Program duplicate name\r\nDr8 - Dr7  (KIT)");
  EXPECT_TRUE(CheckProgramDuplicateNames(e.ws, d));
}

TEST_F(DuplicateNames, TheFourthProgramPairEndsTheScanBeforeTheDrumKits) {
  for (int u : {0, 1, 2, 3}) x.programs.records[static_cast<std::size_t>(u)].SetName("PIANO");
  x.programs.records[64].SetName("KIT");
  x.programs.records[65].SetName("KIT");
  const int d = Add();
  Notice("Program duplicate name\r\nD12 - D11  (PIANO)");
  Notice("Program duplicate name\r\nD13 - D11  (PIANO)");
  Notice("Program duplicate name\r\nD13 - D12  (PIANO)");
  Notice("More than 4 Program duplicate names !");
  EXPECT_TRUE(CheckProgramDuplicateNames(e.ws, d));
}

}  // namespace
}  // namespace tolvane::test
