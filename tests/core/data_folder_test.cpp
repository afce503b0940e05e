// Where the programs look for their data files: beside themselves, then in
// the installed share folder, relative to bin/ and then at the built-in place.

#include <gtest/gtest.h>

#include <filesystem>

#include "set_builder.h"
#include "sets/data_folder.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

TEST(DataFolder, TheFirstFolderHoldingTheTemplateWins) {
  struct Case {
    const char* name;
    std::vector<std::string> templates;  // folders that hold I3EMPTY/
    std::string wanted;
  };
  const std::vector<Case> cases = {
      {"beside the program first", {"bin", "share/tolvane", "usr/share/tolvane"}, "bin"},
      {"then relative to bin/", {"share/tolvane", "usr/share/tolvane"}, "share/tolvane"},
      {"then the built-in place", {"usr/share/tolvane"}, "usr/share/tolvane"},
      {"the built-in place when none holds it", {}, "usr/share/tolvane"},
  };
  for (const Case& c : cases) {
    TempDir dir;
    fs::create_directories(dir / "bin");
    for (const std::string& folder : c.templates) fs::create_directories(dir / (folder + "/I3EMPTY"));
    EXPECT_EQ(DataFolder(dir / "bin", "../share/tolvane", dir / "usr/share/tolvane"), dir / c.wanted) << c.name;
  }
}

TEST(DataFolder, ABuiltProgramUsesTheDataBesideIt) {
  EXPECT_EQ(DataFolder(TOLVANE_BIN_DIR), TOLVANE_BIN_DIR);
}

}  // namespace
}  // namespace tolvane::test
