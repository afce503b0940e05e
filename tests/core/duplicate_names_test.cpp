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
  void NameArrangements(std::initializer_list<int> numbers, const std::string& name) {
    for (int n : numbers) Arr(x, n).SetName(name);
  }
  void NamePrograms(std::initializer_list<int> userIndexes, const std::string& name) {
    for (int u : userIndexes) Prg(x, u).SetName(name);
  }
  void ExpectPairs(const std::string& kind, std::initializer_list<std::pair<const char*, const char*>> pairs,
                   const std::string& name) {
    for (const auto& [first, second] : pairs) e.ExpectNotice(DuplicateNotice(kind, first, second, name));
  }
  int Add() { return e.Add(x, "SETX"); }

  EditWorkspace e;
  SetStores x = EditSet(21);
};

TEST_F(DuplicateNames, FourEqualNamesGiveThreePairMessagesThenTheSummary) {
  NameArrangements({3, 10, 20, 40}, "SAME");
  const int d = Add();
  ExpectPairs("Arrangement", {{"A23", "A14"}, {"A35", "A14"}, {"A35", "A23"}}, "SAME");
  e.ExpectNotice("More than 4 Arrangement duplicate names !");
  EXPECT_TRUE(CheckArrangementDuplicateNames(e.ws, d));
}

TEST_F(DuplicateNames, ThreeEqualNamesGiveOnlyThePairMessages) {
  NameArrangements({0, 1, 63}, "SAME");
  const int d = Add();
  ExpectPairs("Arrangement", {{"A12", "A11"}, {"A88", "A11"}, {"A88", "A12"}}, "SAME");
  EXPECT_TRUE(CheckArrangementDuplicateNames(e.ws, d));
}

TEST_F(DuplicateNames, OuterBlanksDoNotCountButCaseAndInnerBlanksDo) {
  Arr(x, 2).SetName("  POP");
  Arr(x, 9).SetName("POP   ");
  Arr(x, 11).SetName("pop");
  Arr(x, 12).SetName("P OP");
  const int d = Add();
  ExpectPairs("Arrangement", {{"A22", "A13"}}, "POP");
  EXPECT_TRUE(CheckArrangementDuplicateNames(e.ws, d));
}

TEST_F(DuplicateNames, BlankNamesAreNeverDuplicatesAndThePreferenceSwitchesTheChecksOff) {
  const int blank = Add();
  EXPECT_FALSE(CheckArrangementDuplicateNames(e.ws, blank));
  EXPECT_FALSE(CheckProgramDuplicateNames(e.ws, blank));

  NameArrangements({3, 10}, "SAME");
  NamePrograms({64, 65}, "KIT");
  const int d = Add();
  e.ws.prefs.warnDupl = 0;
  EXPECT_FALSE(CheckArrangementDuplicateNames(e.ws, d));
  EXPECT_FALSE(CheckProgramDuplicateNames(e.ws, d));
  EXPECT_TRUE(e.ui.messages.empty());
}

TEST_F(DuplicateNames, ProgramsAreComparedAmongThemselvesAndDrumKitsWithEachOther) {
  NamePrograms({5, 6}, "PIANO");
  NamePrograms({64}, " KIT");  // a drum kit is never compared with a Program
  NamePrograms({65}, "KIT ");
  NamePrograms({7}, "KIT");
  const int d = Add();
  ExpectPairs("Program", {{"D17", "D16"}}, "PIANO");
  ExpectPairs("Program", {{"Dr8", "Dr7"}}, "KIT");
  EXPECT_TRUE(CheckProgramDuplicateNames(e.ws, d));
}

TEST_F(DuplicateNames, TheFourthProgramPairEndsTheScanBeforeTheDrumKits) {
  NamePrograms({0, 1, 2, 3}, "PIANO");
  NamePrograms({64, 65}, "KIT");
  const int d = Add();
  ExpectPairs("Program", {{"D12", "D11"}, {"D13", "D11"}, {"D13", "D12"}}, "PIANO");
  e.ExpectNotice("More than 4 Program duplicate names !");
  EXPECT_TRUE(CheckProgramDuplicateNames(e.ws, d));
}

}  // namespace
}  // namespace tolvane::test
