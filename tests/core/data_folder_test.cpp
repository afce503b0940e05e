// Where the programs find their data: beside themselves, else in share/tolvane
// relative to their bin/, else at the built-in place.

#include <gtest/gtest.h>

#include <filesystem>

#include "set_builder.h"
#include "sets/data_folder.h"

TEST(DataFolder, TheFirstFolderHoldingTheTemplateWins) {
  const tolvane::test::TempDir dir;
  const auto found = [&] { return tolvane::DataFolder(dir / "bin", "../share/tolvane", dir / "usr"); };
  EXPECT_EQ(found(), dir / "usr");
  for (const std::string folder : {"share/tolvane", "bin"}) {
    std::filesystem::create_directories(dir / folder + "/I3EMPTY");
    EXPECT_EQ(found(), dir / folder) << "once " << folder << " holds I3EMPTY";
  }
}
