// Opening and creating Sets: the dialog, the questions, the header checks,
// the document slots and what the readers leave in them.

#include <gtest/gtest.h>

#include <filesystem>

#include "set_builder.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

constexpr auto kEx = MsgIcon::Exclamation;

class OpenSetTest : public ::testing::Test {
 protected:
  // Writes a random Set as at/NAME and returns it.
  SetStores MakeSet(const std::string& at, const std::string& name, std::uint32_t seed = 1, int blocks = 8) {
    Rng rng(seed);
    SetStores set = RandomSet(rng, blocks);
    WriteSetFiles(at, name, set);
    return set;
  }
  // Changes the bytes of file folder/MYSET<ext>.
  template <class Change>
  void Damage(const std::string& ext, Change change) {
    Bytes bytes = ReadFileBytes(folder + "/MYSET" + ext);
    change(bytes);
    WriteFileBytes(folder + "/MYSET" + ext, bytes);
  }
  // The open dialog chooses file; questions that follow are scripted after this.
  void Choose(const std::string& file) { t.ui.ExpectFileDialog(file); }
  int Open(const std::string& set = "") { return OpenSet(t.ws, OpenMode::Open, set); }
  int New() { return OpenSet(t.ws, OpenMode::New, ""); }
  void Close(int d) {
    ASSERT_TRUE(QueryCloseDocument(t.ws, d));
    UnloadDocument(t.ws, d);
  }

  TestWorkspace t;
  const std::string folder = t.dir / "sets";
};

TEST_F(OpenSetTest, ChosenFileOpensItsSetWithEveryFileRead) {
  const SetStores set = MakeSet(folder, "MYSET");
  Choose(folder + "/MYSET.STY");
  const int d = Open();

  ASSERT_EQ(d, 1);
  EXPECT_EQ(t.ws.Slot(d).name, "MYSET");
  EXPECT_EQ(t.ws.Slot(d).folder, folder);
  EXPECT_EQ(t.ws.prefs.pathNam, folder);
  for (int k = 0; k < kSetFileKinds; ++k) EXPECT_EQ(EncodeKind(t.ws.Stores(d), k), EncodeKind(set, k)) << k;
  EXPECT_EQ(t.ws.Stores(d).backingSequences.filePath, folder + "/MYSET.BSQ");
  EXPECT_FALSE(t.ws.Slot(d).AnyModified());
  EXPECT_EQ(t.ui.events, (std::vector<std::string>{"open 1", "undo 1 0"}));
  EXPECT_EQ(t.ui.progressCaptions, std::vector<std::string>{"Loading MYSET Files..."});
  EXPECT_DOUBLE_EQ(t.ui.progressValue, 15);
  EXPECT_EQ(t.ui.busyMax, 1);

  const FileDialogRequest& dialog = t.ui.fileDialogs.at(0);
  EXPECT_EQ(dialog.title + "|" + dialog.initialFolder + "|" + dialog.initialName, "Select a Korg-i3 Set|" + t.programFolder + "|*.*");
  EXPECT_EQ(dialog.filters.at(3).name + " " + dialog.filters.at(3).pattern + " " + dialog.defaultExtension, "Program *.PCG ARR");
  EXPECT_TRUE(dialog.fileMustExist);
}

TEST_F(OpenSetTest, FilesAreFoundWhateverTheCaseOfTheirNames) {
  const SetStores set = MakeSet(folder, "MySet");
  for (int k = 0; k < kSetFileKinds; ++k)
    fs::rename(folder + "/MySet" + KindExtension(k), folder + "/myset" + KindExtension(k));
  fs::rename(folder + "/myset.ARR", folder + "/myset.arr");

  Choose(folder + "/myset.arr");
  const int d = Open();
  ASSERT_EQ(d, 1);
  EXPECT_EQ(t.ws.Slot(d).name, "MYSET");
  EXPECT_EQ(EncodeKind(t.ws.Stores(d), kArrangement), EncodeKind(set, kArrangement));
  EXPECT_EQ(t.ws.Stores(d).songs.filePath, folder + "/myset.SNG");

  // Saving writes back to the names found, and makes no second file.
  t.ws.MarkModified(d, kArrangement);
  EXPECT_TRUE(SaveSetCommand(t.ws, d));
  EXPECT_FALSE(fs::exists(folder + "/MYSET.ARR"));
  EXPECT_EQ(ReadFileBytes(folder + "/myset.arr"), EncodeKind(set, kArrangement));
}

TEST_F(OpenSetTest, SecondSetOfTheSameNameIsOpenedOnlyAfterTheWarning) {
  MakeSet(t.dir / "a", "MYSET", 1);
  MakeSet(t.dir / "b", "MYSET", 2);
  ASSERT_EQ(Open(t.dir / "a/MYSET"), 1);

  Choose(t.dir / "b/MYSET.ARR");
  t.ui.ExpectBox("Warning", "Name MYSET is already in use.\r\nContinue anyway?", kEx, MsgButtons::OkCancel,
                 MsgResult::Ok, MsgResult::Cancel);
  EXPECT_EQ(Open(), 0);
  EXPECT_EQ(t.ws.SlotCount(), 1);

  Choose(t.dir / "b/MYSET.ARR");
  t.ui.ExpectMessage("Name MYSET is already in use.\r\nContinue anyway?", MsgResult::Ok);
  const int d = Open();
  EXPECT_EQ(d, 2);
  EXPECT_EQ(t.ws.Slot(d).name, "MYSET");
}

TEST_F(OpenSetTest, MissingFileIsMadeFromTheTemplateWhenTheUserAgrees) {
  MakeSet(folder, "MYSET");
  fs::remove(folder + "/MYSET.SNG");

  Choose(folder + "/MYSET.ARR");
  t.ui.ExpectBox("Open a Set", "MYSET.SNG is missing.\r\nCreate it?", kEx, MsgButtons::OkCancel, MsgResult::Cancel,
                 MsgResult::Cancel);
  EXPECT_EQ(Open(), 0);
  EXPECT_FALSE(fs::exists(folder + "/MYSET.SNG"));
  EXPECT_FALSE(AnyDocumentOpen(t.ws));

  Choose(folder + "/MYSET.ARR");
  t.ui.ExpectMessage("MYSET.SNG is missing.\r\nCreate it?", MsgResult::Ok);
  ASSERT_EQ(Open(), 1);
  EXPECT_EQ(ReadFileBytes(folder + "/MYSET.SNG"), ReadFileBytes(t.programFolder + "/I3EMPTY/I3EMPTY.SNG"));
}

TEST_F(OpenSetTest, InvalidHeadersAreEachReportedAndNothingOpens) {
  MakeSet(folder, "MYSET");
  Damage(".STY", [](Bytes& b) { b[6] = 3; });  // the arrangement file's code
  Damage(".BSQ", [](Bytes& b) { b[4] = 0x38; });
  Damage(".SNG", [](Bytes& b) { b[2] = 'r'; });
  Damage(".ARR", [](Bytes& b) { b[1] = 'o'; });
  Damage(".PCG", [](Bytes& b) { b[5] = 0xAA; b[7] = 0x55; });  // bytes 5 and 7 are not checked

  Choose(folder + "/MYSET.ARR");
  t.ui.ExpectBox("Error", folder + "/MYSET.ARR is not a valid file", MsgIcon::Critical, MsgButtons::Ok,
                 MsgResult::Ok, MsgResult::Ok);
  t.ui.ExpectBox("Error", folder + "/MYSET.STY is not a valid file", MsgIcon::Critical, MsgButtons::Ok,
                 MsgResult::Ok, MsgResult::Ok);
  t.ui.ExpectMessage(folder + "/MYSET.BSQ is not a valid file");
  t.ui.ExpectMessage(folder + "/MYSET.SNG is not a valid file");
  EXPECT_EQ(Open(), 0);
  EXPECT_FALSE(AnyDocumentOpen(t.ws));
  EXPECT_EQ(t.ui.busyDepth, 0);
}

TEST_F(OpenSetTest, ShortOrMissingFilesGiveTheirOwnMessages) {
  MakeSet(folder, "MYSET");
  WriteFileBytes(folder + "/MYSET.ARR", Bytes{'K', 'O', 'R', 'G', 0x39, 0, 3});
  t.ui.ExpectMessage("Error reading " + folder + "/MYSET.ARR file header");
  EXPECT_EQ(Open(folder + "/MYSET"), 0);

  t.ui.ExpectMessage("File " + folder + "/OTHER.STY not found");
  EXPECT_FALSE(OpenKindFile(t.ws, folder + "/other", kStyle).has_value());
}

TEST_F(OpenSetTest, NewSetsAreNumberedByTheirSlots) {
  EXPECT_EQ(New(), 1);
  EXPECT_EQ(New(), 2);
  EXPECT_EQ(t.ws.Slot(1).name, "NEWSET01");
  EXPECT_EQ(t.ws.Slot(2).name, "NEWSET02");
  EXPECT_EQ(t.ws.Slot(2).folder, t.programFolder);
  EXPECT_EQ(t.ui.progressCaptions.at(0), "Loading I3EMPTY Files...");
  EXPECT_EQ(t.ws.Slot(1).modified, (std::array<std::int16_t, 8>{1, 1, 1, 1, 1}));
  EXPECT_TRUE(t.ui.fileDialogs.empty());

  t.ui.ExpectMessage("Save the changes in NEWSET01 ?", MsgResult::No);
  Close(1);
  EXPECT_EQ(t.ws.prefs.oldSetNam, "");
  EXPECT_EQ(New(), 1);
  EXPECT_EQ(t.ws.Slot(1).name, "NEWSET01");
}

TEST_F(OpenSetTest, NamedSetOpensWithoutTheDialogAndAGoneOneSilently) {
  MakeSet(folder, "MYSET");
  EXPECT_EQ(Open(t.dir / "gone/MYSET"), 0);
  EXPECT_EQ(Open(folder + "/MYSET"), 1);  // nothing shown or asked
}

TEST_F(OpenSetTest, ReusedSlotShowsNothingOfTheSetThatHadIt) {
  MakeSet(t.dir / "big", "BIG", 3, 8);
  MakeSet(t.dir / "small", "SMALL", 4, 1);
  ASSERT_EQ(Open(t.dir / "big/BIG"), 1);
  Close(1);
  ASSERT_EQ(Open(t.dir / "small/SMALL"), 1);
  const StyleSetData& styles = t.ws.Stores(1).styles;
  EXPECT_EQ(styles.blockCount, 1);
  for (std::size_t i = 4; i < kUserStyleCount; ++i) {
    EXPECT_EQ(styles.present[i], 0) << i;
    EXPECT_TRUE(styles.data[i].empty()) << i;
  }
  EXPECT_EQ(EncodeKind(t.ws.Stores(1), kStyle), ReadFileBytes(t.dir / "small/SMALL.STY"));
}

TEST_F(OpenSetTest, ReadersRunInTheirFixedOrderAndTheSetStillOpens) {
  MakeSet(folder, "MYSET");
  // Every file cut short after its header: each reader reports its own kind,
  // and the global record is read from the program file last.
  for (const char* ext : {".ARR", ".STY", ".PCG", ".BSQ", ".SNG"}) Damage(ext, [](Bytes& b) { b.resize(40); });
  t.ws.prefs.warnDupl = 0;  // the records not read all have the same (empty) name
  t.ui.ExpectBox("Error", "Error getting Arrangement data.\r\n", MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok,
                 MsgResult::Ok);
  for (const char* kind : {"Style", "Program", "Backing Sequence", "Song", "Global"})
    t.ui.ExpectMessage(std::string("Error getting ") + kind + " data.\r\n");
  EXPECT_EQ(Open(folder + "/MYSET"), 1);
  EXPECT_TRUE(AnyDocumentOpen(t.ws));
}

TEST_F(OpenSetTest, DuplicateNameChecksRunOnlyForOpenedSets) {
  Rng rng(1);
  SetStores set = RandomSet(rng, 8);
  set.arrangements.records[5].SetName("TWIN");
  set.arrangements.records[9].SetName("   TWIN");
  set.programs.records[64].SetName("KIT");
  set.programs.records[65].SetName("KIT");
  WriteSetFiles(folder, "MYSET", set);
  ASSERT_EQ(New(), 1);

  t.ui.ExpectBox("", "Arrangement duplicate name\r\nA22 - A16  (TWIN)", kEx, MsgButtons::Ok, MsgResult::Ok,
                 MsgResult::Ok);
  t.ui.ExpectBox("", "Program duplicate name\r\nDr8 - Dr7  (KIT)", kEx, MsgButtons::Ok, MsgResult::Ok, MsgResult::Ok);
  ASSERT_EQ(Open(folder + "/MYSET"), 2);
  // The checks run before Undo is switched off for the new window.
  EXPECT_EQ(t.ui.events.back(), "undo 2 0");

  t.ws.prefs.warnDupl = 0;
  ASSERT_EQ(Open(folder + "/MYSET"), 3);
  EXPECT_EQ(t.ui.messages.size(), 2u);
}

}  // namespace
}  // namespace tolvane::test
