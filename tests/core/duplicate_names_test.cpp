// The duplicate-name warnings of Arrangements and Programs.

#include <gtest/gtest.h>

#include "arrangements/arrangement_duplicates.h"
#include "edit_sets.h"
#include "programs/program_duplicates.h"
#include "storage/text.h"

namespace tolvane::test {
namespace {

using Names = std::vector<std::pair<int, std::string>>;  // arrangement number or user program index, name

struct DuplicateCase {
  const char* what;
  Names arrangements, programs;
  std::vector<std::string> notices;  // the Arrangements' first
};

std::string A(const char* first, const char* second, const std::string& name) {
  return DuplicateNotice("Arrangement", first, second, name);
}
std::string P(const char* first, const char* second, const std::string& name) {
  return DuplicateNotice("Program", first, second, name);
}

const DuplicateCase kCases[] = {
    {"four equal names: three pairs, then the summary", {{3, "SAME"}, {10, "SAME"}, {20, "SAME"}, {40, "SAME"}}, {},
     {A("A23", "A14", "SAME"), A("A35", "A14", "SAME"), A("A35", "A23", "SAME"),
      "More than 4 Arrangement duplicate names !"}},
    {"three equal names: only the pairs", {{0, "SAME"}, {1, "SAME"}, {63, "SAME"}}, {},
     {A("A12", "A11", "SAME"), A("A88", "A11", "SAME"), A("A88", "A12", "SAME")}},
    {"outer blanks do not count, case and inner blanks do",
     {{2, "  POP"}, {9, "POP   "}, {11, "pop"}, {12, "P OP"}}, {}, {A("A22", "A13", "POP")}},
    // A drum kit is never compared with a Program.
    {"Programs among themselves, drum kits with each other", {},
     {{5, "PIANO"}, {6, "PIANO"}, {64, " KIT"}, {65, "KIT "}, {7, "KIT"}},
     {P("D17", "D16", "PIANO"), P("Dr8", "Dr7", "KIT")}},
    {"the fourth Program pair ends the scan before the drum kits", {},
     {{0, "PIANO"}, {1, "PIANO"}, {2, "PIANO"}, {3, "PIANO"}, {64, "KIT"}, {65, "KIT"}},
     {P("D12", "D11", "PIANO"), P("D13", "D11", "PIANO"), P("D13", "D12", "PIANO"),
      "More than 4 Program duplicate names !"}},
    {"blank names are never duplicates", {}, {}, {}},
};

TEST(DuplicateNames, EachPairOnceUpToTheFourthThenTheSummary) {
  for (const DuplicateCase& c : kCases) {
    SCOPED_TRACE(c.what);
    for (const bool warn : {true, false}) {
      EditWorkspace e;
      SetStores x = EditSet(21);
      for (auto& r : x.arrangements.records) r.SetName(kBlankName);
      for (auto& r : x.programs.records) r.SetName(kBlankName);
      for (const auto& [n, name] : c.arrangements) Arr(x, n).SetName(name);
      for (const auto& [u, name] : c.programs) Prg(x, u).SetName(name);
      const int d = e.Add(x, "SETX");
      // The preference switches the checks off.
      e.ws.prefs.warnDupl = warn ? 1 : 0;
      if (warn)
        for (const auto& notice : c.notices) e.ExpectNotice(notice);
      EXPECT_EQ(CheckArrangementDuplicateNames(e.ws, d), warn && !c.arrangements.empty());
      EXPECT_EQ(CheckProgramDuplicateNames(e.ws, d), warn && !c.programs.empty());
    }
  }
}

}  // namespace
}  // namespace tolvane::test
