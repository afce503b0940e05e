// Saving Sets through the scratch file, choosing destinations, and closing
// document windows.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "set_builder.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

constexpr auto kEx = MsgIcon::Exclamation;

class SaveSetTest : public ::testing::Test {
 protected:
  // Writes a random Set as sets/NAME and opens it.
  int OpenRandomSet(const std::string& name = "MYSET") {
    Rng rng(7);
    set_ = RandomSet(rng, 3);
    WriteSetFiles(folder, name, set_);
    return OpenSet(t.ws, OpenMode::Open, folder + "/" + name);
  }
  int New() { return OpenSet(t.ws, OpenMode::New, ""); }
  // Puts a folder where file kind k of MYSET should be, which no file can replace.
  void BlockFile(int k) {
    const std::string path = folder + "/MYSET" + KindExtension(k);
    fs::remove(path);
    fs::create_directories(path + "/x");
  }
  std::string Template(int k) const { return t.programFolder + "/I3EMPTY/I3EMPTY" + KindExtension(k); }

  TestWorkspace t;
  const std::string folder = t.dir / "sets";
  const std::string dest = t.dir / "dest";
  SetStores set_;
};

TEST_F(SaveSetTest, SaveRewritesOnlyTheModifiedKinds) {
  const int d = OpenRandomSet();
  ASSERT_EQ(d, 1);
  const Bytes marker{'K', 'O', 'R', 'G', 0x39, 0, 3, 0, 'x'};
  WriteFileBytes(folder + "/MYSET.ARR", marker);
  t.ws.Stores(d).styles.headers[0].SetName("Changed");
  t.ws.MarkModified(d, kStyle);

  EXPECT_TRUE(SaveSetCommand(t.ws, d));
  EXPECT_EQ(ReadFileBytes(folder + "/MYSET.ARR"), marker);
  EXPECT_EQ(ReadFileBytes(folder + "/MYSET.STY"), EncodeKind(t.ws.Stores(d), kStyle));
  EXPECT_FALSE(t.ws.Slot(d).AnyModified());
  EXPECT_FALSE(fs::exists(t.ws.locations.scratchFile));
}

// Over a Set of that name, without asking.
TEST_F(SaveSetTest, NewSetIsSavedWholeUnderTheChosenName) {
  const int d = New();
  Rng rng(3);
  WriteSetFiles(dest, "MYSET", RandomSet(rng, 2));
  // A name typed without extension comes back with the default one added.
  t.ui.ExpectFileDialog(dest + "/myset.xxx");
  EXPECT_TRUE(SaveSetCommand(t.ws, d));

  EXPECT_EQ(t.ws.Slot(d).name, "MYSET");
  EXPECT_EQ(t.ws.prefs.pathNam, dest);
  EXPECT_EQ(t.ui.events.back(), "caption 1 MYSET");
  for (int k = 0; k < kSetFileKinds; ++k) EXPECT_EQ(ReadFileBytes(dest + "/MYSET" + KindExtension(k)), ReadFileBytes(Template(k)));
  const FileDialogRequest& dialog = t.ui.fileDialogs.at(0);
  EXPECT_TRUE(dialog.save);
  EXPECT_EQ(dialog.title, "Select a Korg-i3 destination file (without extension)");
  EXPECT_EQ(dialog.defaultExtension, "xxx");
  EXPECT_EQ(dialog.initialName, "");

  EXPECT_TRUE(QueryCloseDocument(t.ws, d));  // nothing left to ask
  UnloadDocument(t.ws, d);
  EXPECT_EQ(t.ws.prefs.oldSetNam, dest + "/MYSET");
}

TEST_F(SaveSetTest, SaveAsAsksOnlyWhenTheStyleFileExists) {
  const int d = OpenRandomSet();
  Rng rng(5);
  WriteSetFiles(dest, "OTHER", RandomSet(rng, 1));

  t.ui.ExpectFileDialog(dest + "/OTHER.ARR")
      .ExpectBox("Save a Set", "This Set already exists.\r\nOverwrite it?", kEx, MsgButtons::OkCancel,
                 MsgResult::Cancel, MsgResult::Cancel);
  const std::string ownFolder = t.ws.Slot(d).folder;
  t.ws.prefs.pathNam = dest;
  EXPECT_FALSE(SaveSetAsCommand(t.ws, d));
  EXPECT_EQ(t.ws.Slot(d).name, "MYSET");
  EXPECT_EQ(t.ui.fileDialogs.back().initialFolder, ownFolder);  // Save As starts beside the Set
  EXPECT_NE(ReadFileBytes(dest + "/OTHER.ARR"), EncodeKind(set_, kArrangement));

  fs::remove(dest + "/OTHER.STY");
  t.ui.ExpectFileDialog(dest + "/OTHER.ARR");
  EXPECT_TRUE(SaveSetAsCommand(t.ws, d));
  EXPECT_EQ(t.ws.Slot(d).name, "OTHER");
  for (int k = 0; k < kSetFileKinds; ++k) EXPECT_EQ(ReadFileBytes(dest + "/OTHER" + KindExtension(k)), EncodeKind(set_, k)) << k;
}

// A failed writer leaves its file alone and the next one goes on; no scratch
// file, leftover or new, and no file beside a destination is left behind.
TEST_F(SaveSetTest, WritersRunInTheirFixedOrderAndAFailureStopsNoOther) {
  const int d = OpenRandomSet();
  fs::create_directories(t.ws.locations.scratchFolder);
  WriteFileBytes(t.ws.locations.scratchFile, Bytes{1, 2, 3});
  for (int k = 0; k < kSetFileKinds; ++k) {
    t.ws.MarkModified(d, k);
    if (k != kSong) BlockFile(k);
  }
  for (const char* kind : {"Arrangement", "Style", "Program", "Backing Sequence"})
    t.ui.ExpectMessage(std::string("Error saving ") + kind + " data.\r\n");
  EXPECT_FALSE(SaveSetCommand(t.ws, d));
  EXPECT_EQ(t.ws.Slot(d).modified, (std::array<std::int16_t, 8>{1, 1, 1, 1, 0}));
  EXPECT_TRUE(fs::is_directory(folder + "/MYSET.BSQ/x"));
  EXPECT_EQ(ReadFileBytes(folder + "/MYSET.SNG"), EncodeKind(set_, kSong));
  EXPECT_FALSE(fs::exists(t.ws.locations.scratchFile));
  for (const auto& entry : fs::directory_iterator(folder))
    EXPECT_EQ(entry.path().filename().string().find(".tolvane"), std::string::npos) << entry.path();
}
TEST_F(SaveSetTest, DestinationDialogFailureSavesNothing) {
  const int d = New();
  t.ui.ExpectFileDialogFailure().ExpectBox("", "Error getting file name", kEx, MsgButtons::Ok, MsgResult::Ok,
                                           MsgResult::Ok);
  EXPECT_FALSE(SaveSetAsCommand(t.ws, d));
  EXPECT_EQ(t.ws.Slot(d).name, "NEWSET01");
}

TEST_F(SaveSetTest, ClosingAsksOnlyForChangedSetsAndKeepsThemWhenTheSaveDoesNotHappen) {
  const int d = OpenRandomSet();
  EXPECT_TRUE(QueryCloseDocument(t.ws, d));  // nothing asked

  const int n = New();
  // Yes, then the destination dialog is cancelled: the window stays.
  t.ui.ExpectBox("NEWSET02", "Save the changes in NEWSET02 ?", kEx, MsgButtons::YesNoCancel, MsgResult::Cancel,
                 MsgResult::Yes)
      .ExpectFileDialog("");
  EXPECT_FALSE(QueryCloseDocument(t.ws, n));
  EXPECT_TRUE(t.ws.Slot(n).AnyModified());

  // Yes, and the save fails: the window stays too.
  t.ws.MarkModified(d, kArrangement);
  BlockFile(kArrangement);
  t.ui.ExpectMessage("Save the changes in MYSET ?", MsgResult::Yes).ExpectMessage("Error saving Arrangement data.\r\n");
  EXPECT_FALSE(QueryCloseDocument(t.ws, d));

  t.ui.ExpectMessage("Save the changes in MYSET ?", MsgResult::No);
  EXPECT_TRUE(QueryCloseDocument(t.ws, d));
  // Two open Sets of one name: the question says which.
  t.ws.Slot(n).name = "MYSET";
  t.ui.ExpectMessage("Save the changes in MYSET in " + folder + " ?", MsgResult::No);
  EXPECT_TRUE(QueryCloseDocument(t.ws, d));
}

TEST_F(SaveSetTest, UnloadForgetsTheRecordsOfTheClosedSetAndRemembersIt) {
  const int d = OpenRandomSet();
  const int other = New();
  t.ws.edits.arrangements.clipboard.sourceSet = static_cast<std::int16_t>(d);
  t.ws.edits.programs.undo.sourceSet = static_cast<std::int16_t>(d);
  t.ws.edits.songs.clipboard.sourceSet = static_cast<std::int16_t>(other);

  UnloadDocument(t.ws, d);
  EXPECT_TRUE(t.ws.Slot(d).free);
  EXPECT_EQ(t.ws.edits.arrangements.clipboard.sourceSet, 0);
  EXPECT_EQ(t.ws.edits.programs.undo.sourceSet, 0);
  EXPECT_EQ(t.ws.edits.songs.clipboard.sourceSet, other);
  EXPECT_EQ(t.ws.prefs.oldSetNam, folder + "/MYSET");

  UnloadDocument(t.ws, other);
  EXPECT_EQ(t.ws.prefs.oldSetNam, folder + "/MYSET");
  EXPECT_FALSE(AnyDocumentOpen(t.ws));
}


// Faults while saving MYSET's Arrangements lose nothing: the file keeps its
// old bytes or has the new ones whole, the message says what happened, the
// kind stays modified, and a later save succeeds. A file not read whole at
// opening is kept beside itself as ".BAK" by the save that replaces it.
struct SaveFaults;
// inject: before the Set is opened; saved: the first save succeeds; keeps: it keeps the original as ".BAK".
struct SaveFault {
  const char* name; void (*inject)(SaveFaults&); std::string message; bool saved = false, keeps = false; };
const std::string kFail = "Error saving Arrangement data.\r\n", kReadOnly = kFail + "Destination file is Read-Only!";
constexpr auto kMode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;

struct SaveFaults : ::testing::TestWithParam<SaveFault> {
  TestWorkspace t;
  const std::string file = t.dir / "MYSET.ARR", scratch = t.ws.locations.scratchFolder;
  std::string target = file;  // the file the Set's name leads to
};

const SaveFault kFaults[] = {
    {"ReadOnlyFile", [](SaveFaults& f) { fs::permissions(f.file, fs::perms::owner_read); }, kReadOnly},
    {"GroupMayWriteButTheUserIsNotInIt", [](SaveFaults& f) { (void)::chown(f.file.c_str(), 4242, 4242),
       fs::permissions(f.file, fs::perms::owner_all | fs::perms::group_write); }, kReadOnly},
    // The folder may be written, but the user falls in the others' class, which may not write.
    {"FileOfAnotherUser", [](SaveFaults& f) { ASSERT_EQ(::chown(f.file.c_str(), 4242, 4242), 0); }, kReadOnly},
    // Half the file is written, then the disk is full.
    {"DiskFullWhileWritingTheScratchFile", [](SaveFaults& f) { f.t.ws.fileSteps.write = [](auto& path, auto& b) {
       return FileSteps{}.write(path, Bytes(b.begin(), b.begin() + b.size() / 2)) && false; }; }, kFail},
    {"CopyBesideFails", [](SaveFaults& f) { f.t.ws.fileSteps.copy = [](auto&, auto&) { return false; }; }, kFail},
    {"ReplacingFails", [](SaveFaults& f) { f.t.ws.fileSteps.rename = [](auto&, auto&) { return false; }; }, kFail},
    // The scratch folder has gone, and a file in its place keeps it from being made again.
    {"NoScratchFolder", [](SaveFaults& f) { fs::remove_all(f.scratch), WriteFileBytes(f.scratch, {1}); }, kFail},
    {"LinkedFile", [](SaveFaults& f) {
       fs::rename(f.file, f.target = f.t.dir / "REAL.ARR"), fs::create_symlink("REAL.ARR", f.file); }, "", true},
    // The last byte is missing; the edit and the save are of another Arrangement.
    {"FileNotReadWhole", [](SaveFaults& f) {
       fs::resize_file(f.file, fs::file_size(f.file) - 1);
       f.t.ui.ExpectMessage("Error getting Arrangement data.\r\n"); },
     "The original MYSET.ARR could not be read whole.\r\nIt is kept as MYSET.ARR.BAK.", true, true},
};

TEST_P(SaveFaults, LosesNothingAndALaterSaveSucceeds) {
  Rng rng(11);
  WriteSetFiles(t.dir.path(), "MYSET", RandomSet(rng, 2));
  fs::permissions(file, kMode);
  GetParam().inject(*this);
  const Bytes before = ReadFileBytes(target);
  const int d = OpenSet(t.ws, OpenMode::Open, t.dir / "MYSET");
  t.ws.Stores(d).arrangements.records[5].SetName("Unrelated");
  t.ws.MarkModified(d, kArrangement);
  const Bytes after = EncodeKind(t.ws.Stores(d), kArrangement);
  if (!GetParam().message.empty()) t.ui.ExpectMessage(GetParam().message);
  for (const bool saved : {GetParam().saved, true}) {  // with the fault, then without it
    EXPECT_EQ(SaveSetCommand(t.ws, d), saved);
    EXPECT_EQ(ReadFileBytes(target), saved ? after : before);
    EXPECT_EQ(t.ws.Slot(d).modified[kArrangement], saved ? 0 : 1);
    EXPECT_TRUE(fs::is_symlink(file) == (target != file) && (!saved || fs::status(target).permissions() == kMode));
    t.ws.fileSteps = FileSteps{};
    fs::remove(scratch);  // empty after a save, or the file that blocked it
    EXPECT_EQ(::chown(target.c_str(), ::geteuid(), ::getegid()), 0);
    fs::permissions(target, kMode);
  }
  EXPECT_EQ(ReadFileBytes(file + ".BAK"), GetParam().keeps ? before : Bytes{});
}
INSTANTIATE_TEST_SUITE_P(All, SaveFaults, ::testing::ValuesIn(kFaults),
                         [](auto& i) { return std::string(i.param.name); });

// A Style file whose first Block cannot be read leaves no Block, which could
// not be read back: its save is refused and the file stays as it was.
TEST(DamagedStyleFile, IsNotWrittenOver) {
  TestWorkspace t;
  Rng rng(3);
  WriteSetFiles(t.dir.path(), "MYSET", RandomSet(rng, 2));
  Bytes bytes = ReadFileBytes(t.dir / "MYSET.STY");
  std::fill_n(bytes.begin() + kStyleFirstBlockOffset, kBlockTableSize, 0);
  WriteFileBytes(t.dir / "MYSET.STY", bytes);
  t.ui.ExpectMessage("Error getting Style data.\r\n").ExpectMessage("Error saving Style data.\r\n");
  const int d = OpenSet(t.ws, OpenMode::Open, t.dir / "MYSET");
  t.ws.MarkModified(d, kStyle);
  EXPECT_FALSE(SaveSetCommand(t.ws, d));
  EXPECT_EQ(ReadFileBytes(t.dir / "MYSET.STY"), bytes);
}

}  // namespace
}  // namespace tolvane::test
