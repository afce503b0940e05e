// What start-up reads beside the program: the preset names and the template.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "set_builder.h"
#include "storage/preset_names.h"
#include "sets/set_files.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

// A names file with the instrument line and n names after it.
std::string NamesFile(const std::string& before, int n) {
  std::string text = "free text\nmore, free text\n" + before;
  for (int i = 0; i < n; ++i) text += "Name" + std::to_string(i) + "\n";
  return text;
}

TEST(PresetNames, FieldsAfterTheInstrumentLineFillTheFourLists) {
  PresetNames names;
  std::string text = "intro\r\nThis is the KORG-I3 list\r\n/ Styles heading\r\n\r\nBeats\r\n";
  text += "\"A, quoted\"x , Twelve chars\r\n\"Unclosed\r\nNext,";
  for (int i = 0; i < 244; ++i) text += "N" + std::to_string(i) + (i % 2 ? "," : "\r\n");
  ASSERT_TRUE(ParsePresetNames(text, names));
  EXPECT_EQ(names.styles[0], "Beats     ");
  EXPECT_EQ(names.styles[1], "A, quoted ");
  EXPECT_EQ(names.styles[2], "Twelve cha");
  EXPECT_EQ(names.styles[3], "Unclosed\r ");
  EXPECT_EQ(names.styles[4] + names.styles[5], "Next      N0        ");
  EXPECT_EQ(names.programs[0], "N43       ");
  EXPECT_EQ(names.bankC[0], "N171      ");
  EXPECT_EQ(names.drumKits[5], "N240      ");
}

TEST(PresetNames, MissingInstrumentLineOrTooFewNamesFail) {
  PresetNames names;
  EXPECT_FALSE(ParsePresetNames(NamesFile("", 246), names));
  EXPECT_FALSE(ParsePresetNames(NamesFile("Korg-i3\n", 245), names));
  EXPECT_TRUE(ParsePresetNames(NamesFile("korg-i3\n", 246), names));
}

TEST(Startup, MissingTemplateIsReportedTwice) {
  TestWorkspace t;
  fs::remove(t.programFolder + "/I3EMPTY/I3EMPTY.STY");
  t.ui.ExpectMessage("File " + t.programFolder + "/I3EMPTY/I3EMPTY.STY not found")
      .ExpectMessage("Error getting Style data.\r\n");
  EXPECT_FALSE(BuildTables(t.ws, t.programFolder));
  EXPECT_EQ(t.ui.busyDepth, 0);
}

TEST(Startup, ScratchFileGoesToTempThenTmpdir) {
  TestWorkspace t;
  const std::string own = "/tolvane-" + std::to_string(::getpid());
  EXPECT_EQ(t.ws.locations.scratchFile, (t.dir / "scratch") + own + "/KORGI3.TMP");
  ::setenv("TEMP", "", 1);
  ::setenv("TMPDIR", (t.dir / "other").c_str(), 1);
  const bool built = BuildTables(t.ws, t.programFolder);
  ::unsetenv("TMPDIR");
  ASSERT_TRUE(built);
  EXPECT_EQ(t.ws.locations.scratchFile, (t.dir / "other") + own + "/KORGI3.TMP");
  { Workspace ws{t.ui, t.ui}; fs::create_directories(ws.locations.scratchFolder = t.dir / "empty"); }
  EXPECT_FALSE(fs::exists(t.dir / "empty"));  // an empty scratch folder goes with the program
}

TEST(Preferences, LeadingNumberElseZero) {
  for (const auto& [text, number] : std::vector<std::pair<std::string, int>>{
           {"1", 1}, {"2 tabs", 2}, {"1.6", 2}, {"-3", -3}, {"tile", 0}, {"", 0}})
    EXPECT_EQ(PreferenceNumber(text), number) << text;
}

}  // namespace
}  // namespace tolvane::test
