// Faults while saving lose nothing: each leaves the old file or the new one
// whole, says so, keeps the kind modified, and a later save succeeds. A file
// that could not be read whole survives the save that replaces it.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "set_builder.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

const std::string kFailed = "Error saving Arrangement data.\r\n";
const std::string kReadOnly = kFailed + "Destination file is Read-Only!";
constexpr auto kMode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;

class SaveFaultTest;
struct SaveFault {
  const char* name;
  void (*inject)(SaveFaultTest&);
  std::string message;  // empty: the save succeeds without a word
  void (*mend)(SaveFaultTest&) = nullptr;
};

// MYSET with its Arrangements changed; the file has its own permission bits.
class SaveFaultTest : public ::testing::TestWithParam<SaveFault> {
 protected:
  void SetUp() override {
    Rng rng(11);
    WriteSetFiles(folder, "MYSET", RandomSet(rng, 2));
    d = OpenSet(t.ws, OpenMode::Open, folder + "/MYSET");
    fs::permissions(file, kMode);
    before = ReadFileBytes(file);
    t.ws.Stores(d).arrangements.records[0].SetName("Changed");
    t.ws.MarkModified(d, kArrangement);
    after = EncodeKind(t.ws.Stores(d), kArrangement);
  }
  void ExpectSaved() {
    EXPECT_EQ(ReadFileBytes(target), after);
    EXPECT_EQ(fs::status(target).permissions(), kMode);
    EXPECT_EQ(t.ws.Slot(d).modified[kArrangement], 0);
  }

 public:
  TestWorkspace t;
  const std::string folder = t.dir / "sets";
  const std::string file = folder + "/MYSET.ARR";
  std::string target = file;  // the file the Set's name leads to
  bool linked = false;
  int d = 0;
  Bytes before, after;
};

void MakeLink(SaveFaultTest& f) {
  fs::create_directories(f.folder + "/store");
  f.target = f.folder + "/store/REAL.ARR";
  f.linked = true;
  fs::rename(f.file, f.target);
  fs::create_symlink("store/REAL.ARR", f.file);
}
void ReadOnly(SaveFaultTest& f) { fs::permissions(f.target, fs::perms::owner_read | fs::perms::group_read); }
void Writable(SaveFaultTest& f) { fs::permissions(f.target, kMode); }
void RealSteps(SaveFaultTest& f) { f.t.ws.fileSteps = FileSteps{}; }
bool Fail(const std::string&, const std::string&) { return false; }

const SaveFault kFaults[] = {
    {"ReadOnlyFile", ReadOnly, kReadOnly, Writable},
    {"FileOfAnotherUserInAFolderTheUserMayWrite",
     [](SaveFaultTest& f) {
       // The others' bits apply to the user, who may still write the folder.
       ASSERT_EQ(::chown(f.file.c_str(), 4242, 4242), 0) << "needs root";
       fs::permissions(f.file, kMode | fs::perms::others_read);
     },
     kReadOnly,
     [](SaveFaultTest& f) {
       ASSERT_EQ(::chown(f.file.c_str(), ::geteuid(), ::getegid()), 0);
       Writable(f);
     }},
    {"DiskFullWhileWritingTheScratchFile",
     [](SaveFaultTest& f) {
       f.t.ws.fileSteps.write = [](const std::string& path, const Bytes& bytes) {
         FileSteps{}.write(path, Bytes(bytes.begin(), bytes.begin() + bytes.size() / 2));
         return false;
       };
     },
     kFailed, RealSteps},
    {"CopyBesideTheDestinationFails", [](SaveFaultTest& f) { f.t.ws.fileSteps.copy = Fail; }, kFailed, RealSteps},
    {"ReplacingTheDestinationFails", [](SaveFaultTest& f) { f.t.ws.fileSteps.rename = Fail; }, kFailed, RealSteps},
    {"ScratchFolderGoneIsMadeAgain", [](SaveFaultTest& f) { fs::remove_all(f.t.ws.locations.scratchFolder); }, ""},
    {"ScratchFolderCannotBeMade",
     [](SaveFaultTest& f) {
       fs::remove_all(f.t.ws.locations.scratchFolder);
       WriteFileBytes(f.t.ws.locations.scratchFolder, Bytes{1});
     },
     kFailed, [](SaveFaultTest& f) { fs::remove(f.t.ws.locations.scratchFolder); }},
    {"LinkedFileIsReplacedThroughTheLink", MakeLink, ""},
    {"LinkToAReadOnlyFile",
     [](SaveFaultTest& f) {
       MakeLink(f);
       ReadOnly(f);
     },
     kReadOnly, Writable},
};

TEST_P(SaveFaultTest, LosesNothingAndALaterSaveSucceeds) {
  const SaveFault& fault = GetParam();
  fault.inject(*this);
  if (HasFatalFailure()) return;
  if (!fault.message.empty()) t.ui.ExpectMessage(fault.message);
  EXPECT_EQ(SaveSetCommand(t.ws, d), fault.message.empty());
  EXPECT_EQ(fs::is_symlink(file), linked);
  EXPECT_FALSE(fs::exists(t.ws.locations.scratchFile));
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    EXPECT_EQ(entry.path().string().find(".tolvane"), std::string::npos) << entry.path();
  if (fault.message.empty()) return ExpectSaved();

  EXPECT_EQ(ReadFileBytes(target), before);
  EXPECT_EQ(t.ws.Slot(d).modified[kArrangement], 1);
  fault.mend(*this);
  EXPECT_TRUE(SaveSetCommand(t.ws, d));
  ExpectSaved();
  EXPECT_EQ(t.ui.messages.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// A Set whose Backing Sequence file is cut short: it opens with what could be
// read, and the save that first replaces the file keeps the original.
TEST(DamagedFileTest, OriginalSurvivesAnUnrelatedEditAndASave) {
  for (const bool earlierBackup : {false, true}) {
    TestWorkspace t;
    const std::string folder = t.dir / "sets";
    const std::string bsq = folder + "/MYSET.BSQ";
    Rng rng(13);
    WriteSetFiles(folder, "MYSET", RandomSet(rng, 2));
    Bytes damaged = ReadFileBytes(bsq);
    damaged.resize(damaged.size() / 2);
    WriteFileBytes(bsq, damaged);
    const Bytes older{'o', 'l', 'd'};
    if (earlierBackup) WriteFileBytes(bsq + ".BAK", older);

    t.ui.ExpectMessage("Error getting Backing Sequence data.\r\n");
    const int d = OpenSet(t.ws, OpenMode::Open, folder + "/MYSET");
    t.ws.Stores(d).arrangements.records[5].SetName("Unrelated");
    t.ws.MarkModified(d, kArrangement);
    const std::string kept = earlierBackup ? "MYSET.BSQ.BAK exists already and is left as it is; the original is replaced."
                                           : "It is kept as MYSET.BSQ.BAK.";
    t.ui.ExpectFileDialog(folder + "/MYSET.ARR")
        .ExpectMessage("This Set already exists.\r\nOverwrite it?")
        .ExpectBox("", "The original MYSET.BSQ could not be read whole.\r\n" + kept, MsgIcon::Exclamation,
                   MsgButtons::Ok, MsgResult::Ok, MsgResult::Ok);
    EXPECT_TRUE(SaveSetAsCommand(t.ws, d));
    // Once kept, the file is replaced by later saves without a word.
    t.ws.MarkModified(d, kBackingSequence);
    EXPECT_TRUE(SaveSetCommand(t.ws, d));

    EXPECT_EQ(ReadFileBytes(bsq + ".BAK"), earlierBackup ? older : damaged);
    EXPECT_EQ(ReadFileBytes(bsq), EncodeKind(t.ws.Stores(d), kBackingSequence));
    EXPECT_EQ(t.ui.messages.size(), 3u);
  }
}

}  // namespace
}  // namespace tolvane::test
