// Sets inside floppy disk images made with mformat and mcopy: opened, edited
// and saved in place; faults that leave the image as it was; damaged images.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "mtools_images.h"
#include "process_runner.h"
#include "set_builder.h"
#include "sets/image_sets.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

void Mtools(const std::string& program, const std::vector<std::string>& arguments) {
  const char* path = std::getenv("PATH");
  const ProcessResult run =
      RunProgram(program, arguments, {std::string("PATH=") + (path ? path : "/usr/bin"), "MTOOLSRC=/dev/null"},
                 std::chrono::seconds(20));
  ASSERT_TRUE(run.Succeeded()) << program << ": " << run.err;
}

// Real mtools, with faults put in on request.
class FaultyImages : public DiskImages {
 public:
  MtoolsImages real;
  int fullAt = -1;  // Write fails with a full image at this file, after writing those before
  ImageFault List(const std::string& image, ImageListing& listing) override { return real.List(image, listing); }
  ImageFault Read(const std::string& image, const std::vector<std::string>& names,
                  std::vector<Bytes>& contents) override {
    return real.Read(image, names, contents);
  }
  ImageFault Write(const std::string& image, const std::vector<std::pair<std::string, Bytes>>& files,
                   std::size_t& failedAt) override {
    if (fullAt < 0 || static_cast<std::size_t>(fullAt) >= files.size()) return real.Write(image, files, failedAt);
    const std::vector<std::pair<std::string, Bytes>> before(files.begin(), files.begin() + fullAt);
    if (real.Write(image, before, failedAt) != ImageFault::None) return ImageFault::Failed;
    failedAt = static_cast<std::size_t>(fullAt);
    return ImageFault::Full;
  }
  ImageFault Format(const std::string& image, int kilobytes, const std::string& label) override {
    return real.Format(image, kilobytes, label);
  }
};

class DiskImageTest : public ::testing::Test {
 protected:
  DiskImageTest() { t.ws.diskImages = &images; }

  // A 1.44 MB image holding OTHER.BIN and the Set NAME.
  void MakeImage(const std::string& name, const SetStores& set) {
    Mtools("mformat", {"-C", "-i", image, "-f", "1440", "-v", "DISK07", "::"});
    WriteFileBytes(t.dir / "OTHER.BIN", Bytes(3000, 0x5A));
    Mtools("mcopy", {"-i", image, t.dir / "OTHER.BIN", "::OTHER.BIN"});
    WriteSetFiles(t.dir / "files", name, set);
    for (int k = 0; k < kSetFileKinds; ++k)
      Mtools("mcopy", {"-i", image, t.dir / ("files/" + name + KindExtension(k)), "::" + name + KindExtension(k)});
  }
  Bytes FileInImage(const std::string& name) {
    Bytes bytes;
    EXPECT_TRUE(ReadSetFileBytes(t.ws, ImageSetPath(image, name.substr(0, name.find('.'))),
                                 KindOfExtension(name.substr(name.find('.'))), bytes));
    return bytes;
  }
  ImageListing Listing() {
    ImageListing listing;
    EXPECT_EQ(images.List(image, listing), ImageFault::None);
    return listing;
  }

  TestWorkspace t;
  FaultyImages images;
  const std::string image = t.dir / "DISK07.IMG";
  Rng rng{11};
};

TEST_F(DiskImageTest, SetsRoundTripThroughAnImageLeavingTheRestAsItWas) {
  std::vector<std::pair<std::string, SetStores>> sets;
  for (int blocks = 1; blocks <= 8; ++blocks) sets.emplace_back("GEN" + std::to_string(blocks), RandomSet(rng, blocks));
  for (const char* shipped : {"DEMO", "I3EMPTY"}) {
    const int d = OpenSet(t.ws, OpenMode::Open, std::string(TOLVANE_DATA_DIR) + "/" + shipped + "/" + shipped);
    ASSERT_NE(d, 0);
    sets.emplace_back(shipped, t.ws.Stores(d));
    UnloadDocument(t.ws, d);
  }
  for (const auto& [name, set] : sets) {
    SCOPED_TRACE(name);
    fs::remove(image);
    MakeImage(name, set);
    const ImageListing before = Listing();
    const Bytes original = ReadFileBytes(image);
    const int d = OpenSet(t.ws, OpenMode::Open, ImageSetPath(image, name));
    ASSERT_NE(d, 0);
    for (int k = 0; k < kSetFileKinds; ++k) EXPECT_EQ(EncodeKind(t.ws.Stores(d), k), EncodeKind(set, k));
    t.ws.Stores(d).arrangements.records[0].SetName("Edited    ");
    t.ws.MarkModified(d, kArrangement);
    ASSERT_TRUE(SaveSetCommand(t.ws, d));
    EXPECT_EQ(t.ui.events.back(), "caption " + std::to_string(d) + " " + name + " in DISK07.IMG");

    const ImageListing after = Listing();
    const Bytes saved = ReadFileBytes(image);
    EXPECT_TRUE(std::equal(original.begin(), original.begin() + 512, saved.begin()));  // the boot sector

    EXPECT_EQ(after.freeBytes, before.freeBytes);
    ASSERT_EQ(after.files.size(), before.files.size());
    for (std::size_t i = 0; i < after.files.size(); ++i) EXPECT_EQ(after.files[i].shortName, before.files[i].shortName);
    EXPECT_EQ(FileInImage(name + ".ARR"), EncodeKind(t.ws.Stores(d), kArrangement));
    for (int k = 1; k < kSetFileKinds; ++k) EXPECT_EQ(FileInImage(name + KindExtension(k)), EncodeKind(set, k));
    std::vector<Bytes> other;
    ASSERT_EQ(images.Read(image, {"OTHER.BIN"}, other), ImageFault::None);
    EXPECT_EQ(other.at(0), Bytes(3000, 0x5A));
    EXPECT_FALSE(t.ws.Slot(d).AnyModified());
    UnloadDocument(t.ws, d);
    EXPECT_EQ(t.ws.prefs.oldSetNam, ImageSetPath(image, name));
    EXPECT_EQ(t.ws.prefs.pathNam, t.dir.path());
  }
}

// The open dialog lists the image's Sets; Save As goes from a folder into an
// image, a new image and back, every file as it was.
TEST_F(DiskImageTest, SaveAsBetweenFoldersAndImages) {
  const SetStores set = RandomSet(rng, 3);
  MakeImage("OLDSET", set);
  WriteSetFiles(t.dir / "sets", "MYSET", set);
  const int d = OpenSet(t.ws, OpenMode::Open, t.dir / "sets/MYSET");
  ASSERT_EQ(d, 1);

  t.ui.ExpectFileDialog(image).ExpectChoice("myset");
  ASSERT_TRUE(SaveSetAsCommand(t.ws, d));
  EXPECT_EQ(t.ui.fileDialogs.back().filters.back().pattern, "*.img *.ima");
  EXPECT_EQ(t.ui.choices.back(), "Name of the Set in DISK07.IMG: MYSET");
  EXPECT_EQ(SetsInListing(Listing()), (std::vector<std::string>{"MYSET", "OLDSET"}));
  // Saving over it asks first.
  t.ui.ExpectFileDialog(image).ExpectChoice("MYSET").ExpectMessage("This Set already exists.\r\nOverwrite it?",
                                                                    MsgResult::Cancel);
  EXPECT_FALSE(SaveSetAsCommand(t.ws, d));
  const std::string fresh = t.dir / "NEW.IMA";
  t.ui.ExpectFileDialog(fresh).ExpectChoice("FRESH");
  ASSERT_TRUE(SaveSetAsCommand(t.ws, d));
  t.ui.ExpectFileDialog(t.dir / "sets/BACK.xxx");
  ASSERT_TRUE(SaveSetAsCommand(t.ws, d));
  for (int k = 0; k < kSetFileKinds; ++k) {
    EXPECT_EQ(ReadFileBytes(t.dir / ("sets/BACK" + KindExtension(k))), EncodeKind(set, k));
    Bytes inImage, inNew;
    ASSERT_TRUE(ReadSetFileBytes(t.ws, ImageSetPath(image, "MYSET"), k, inImage));
    ASSERT_TRUE(ReadSetFileBytes(t.ws, ImageSetPath(fresh, "FRESH"), k, inNew));
    EXPECT_EQ(inImage, EncodeKind(set, k));
    EXPECT_EQ(inNew, EncodeKind(set, k));
  }
  EXPECT_EQ(fs::file_size(fresh), 1474560u);

  // Opened through the dialog: the Set is chosen from the image's list.
  t.ui.ExpectFileDialog(image).ExpectChoice("OLDSET");
  const int e = OpenSet(t.ws, OpenMode::Open, "");
  ASSERT_EQ(e, 2);
  EXPECT_EQ(t.ui.choices.back(), "Sets in DISK07.IMG: MYSET OLDSET");
  EXPECT_EQ(DocumentCaption(t.ws.Slot(e)), "OLDSET in DISK07.IMG");
}

// A new Set saved into a new empty image made as File > New Disk Image does;
// a missing file of a Set in an image is made from the template.
TEST_F(DiskImageTest, NewSetInNewImageAndMissingFileCreated) {
  const std::string fresh = t.dir / "EMPTY.IMG";
  ASSERT_TRUE(MakeDiskImage(t.ws, fresh, 720, "MYDISK"));
  EXPECT_EQ(fs::file_size(fresh), 737280u);
  const int d = OpenSet(t.ws, OpenMode::New, "");
  t.ui.ExpectFileDialog(ImageSetPath(fresh, "made.ARR"));
  ASSERT_TRUE(SaveSetCommand(t.ws, d));
  EXPECT_EQ(t.ws.Slot(d).name, "MADE");
  Bytes made;
  ASSERT_TRUE(ReadSetFileBytes(t.ws, ImageSetPath(fresh, "MADE"), kStyle, made));
  EXPECT_EQ(made, EncodeKind(t.ws.Stores(d), kStyle));
  UnloadDocument(t.ws, d);

  MakeImage("MYSET", RandomSet(rng, 2));
  Mtools("mdel", {"-i", image, "::MYSET.SNG"});
  t.ui.ExpectBox("Open a Set", "MYSET.SNG is missing.\r\nCreate it?", MsgIcon::Exclamation, MsgButtons::OkCancel,
                 MsgResult::Cancel, MsgResult::Ok);
  const int e = OpenSet(t.ws, OpenMode::Open, ImageSetPath(image, "myset"));
  ASSERT_NE(e, 0);
  EXPECT_EQ(FileInImage("MYSET.SNG"), ReadFileBytes(t.programFolder + "/I3EMPTY/I3EMPTY.SNG"));
}

// Each fault leaves the image byte for byte as it was and the kinds modified;
// the same save succeeds once the fault is gone.
TEST_F(DiskImageTest, FaultsLeaveTheImageAsItWas) {
  struct Case {
    const char* what;
    std::function<void()> make, mend;
    const char* message;
  };
  MtoolsImages nowhere(t.dir / "no-programs");
  const std::vector<Case> cases{
      {"full at the second file", [&] { images.fullAt = 1; }, [&] { images.fullAt = -1; },
       "Error saving Style data.\r\nDisk image is full!"},
      {"rename fails", [&] { t.ws.fileSteps.rename = [](const std::string&, const std::string&) { return false; }; },
       [&] { t.ws.fileSteps = FileSteps(); }, "Error saving Arrangement data.\r\n"},
      {"read-only", [&] { fs::permissions(image, fs::perms::owner_read); },
       [&] { fs::permissions(image, fs::perms::owner_read | fs::perms::owner_write); },
       "Error saving Arrangement data.\r\nDestination file is Read-Only!"},
      {"file marked read-only in the image", [&] { Mtools("mattrib", {"-i", image, "+r", "::MYSET.PCG"}); }, [] {},
       "Error saving Program data.\r\nDestination file is Read-Only!"},
      {"damaged", [&] { fs::resize_file(image, 100000); }, [] {}, "Error saving Arrangement data.\r\nDisk image is damaged!"},
      {"Styles that would not read back", [&] { t.ws.Stores(1).styles.blockCount = 0; },
       [&] { t.ws.Stores(1).styles.blockCount = 4; }, "Error saving Style data.\r\n"},
      {"mtools missing", [&] { t.ws.diskImages = &nowhere; }, [&] { t.ws.diskImages = &images; },
       "Error saving Arrangement data.\r\nmtools is not installed!"},
  };
  MakeImage("MYSET", RandomSet(rng, 4));
  const Bytes original = ReadFileBytes(image);
  const int d = OpenSet(t.ws, OpenMode::Open, ImageSetPath(image, "MYSET"));
  ASSERT_EQ(d, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    t.ws.Stores(d).styles.headers[0].SetName("Changed");
    for (int k = 0; k < kSetFileKinds; ++k) t.ws.MarkModified(d, k);
    c.make();
    const Bytes before = ReadFileBytes(image);
    t.ui.ExpectMessage(c.message);
    EXPECT_FALSE(SaveSetCommand(t.ws, d));
    EXPECT_EQ(ReadFileBytes(image), before);
    EXPECT_EQ(t.ws.Slot(d).modified, (std::array<std::int16_t, 8>{1, 1, 1, 1, 1, 0, 0, 0}));
    c.mend();
    WriteFileBytes(image, original);
    ASSERT_TRUE(SaveSetCommand(t.ws, d));
    EXPECT_EQ(FileInImage("MYSET.STY"), EncodeKind(t.ws.Stores(d), kStyle));
    WriteFileBytes(image, original);
  }
  for (const auto& entry : fs::directory_iterator(t.dir.path()))
    EXPECT_EQ(entry.path().filename().string().find("tolvane-new"), std::string::npos);
}

// A file of the image that could not be read whole: the image is kept beside
// itself before the first save replaces that file.
TEST_F(DiskImageTest, ImageKeptBeforeADamagedFileIsReplaced) {
  MakeImage("MYSET", RandomSet(rng, 2));
  Bytes bsq = FileInImage("MYSET.BSQ");
  bsq.resize(3000);
  WriteFileBytes(t.dir / "short.bsq", bsq);
  Mtools("mcopy", {"-o", "-i", image, t.dir / "short.bsq", "::MYSET.BSQ"});
  const Bytes original = ReadFileBytes(image);
  t.ui.ExpectMessage("Error getting Backing Sequence data.\r\n");
  const int d = OpenSet(t.ws, OpenMode::Open, ImageSetPath(image, "MYSET"));
  ASSERT_NE(d, 0);
  t.ws.MarkModified(d, kBackingSequence);
  t.ui.ExpectMessage("The original MYSET.BSQ in DISK07.IMG could not be read whole.\r\nIt is kept as DISK07.IMG.BAK.");
  ASSERT_TRUE(SaveSetCommand(t.ws, d));
  EXPECT_EQ(ReadFileBytes(image + ".BAK"), original);
  EXPECT_EQ(FileInImage("MYSET.BSQ"), EncodeKind(t.ws.Stores(d), kBackingSequence));
}

// Damaged or unusual images: a message, no Set opened, nothing changed.
TEST_F(DiskImageTest, BadImagesAreRefusedWithAMessage) {
  MakeImage("MYSET", RandomSet(rng, 1));
  const Bytes good = ReadFileBytes(image);
  const std::size_t root = 19 * 512;  // the root folder of a 1.44 MB image; entry 0 is the volume label
  const auto patch = [&](std::size_t at, const Bytes& bytes) {
    Bytes b = good;
    std::copy(bytes.begin(), bytes.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
    return b;
  };
  struct Case {
    const char* what;
    Bytes bytes;
    std::vector<std::string> messages;
  };
  const std::string img = image;
  const std::vector<Case> cases{
      {"no FAT image", Bytes(1474560, 0xE5), {img + " is not a valid disk image"}},
      {"truncated", Bytes(good.begin(), good.begin() + 200000), {img + " is a damaged disk image"}},
      // MYSET.ARR is entry 2: its first cluster lies past the end of the disk.
      {"entry past the end", patch(root + 2 * 32 + 26, {0xA0, 0x0F}), {img + " is a damaged disk image"}},
      {"names differing in case", patch(root + 3 * 32, {'m', 'y', 's', 'e', 't', ' ', ' ', ' ', 'A', 'R', 'R'}),
       {img + " holds two files named MYSET.ARR", "File " + img + "::MYSET.STY not found"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFileBytes(image, c.bytes);
    for (const auto& m : c.messages) t.ui.ExpectMessage(m);
    EXPECT_EQ(OpenSet(t.ws, OpenMode::Open, ImageSetPath(image, "MYSET")), 0);
    EXPECT_EQ(ReadFileBytes(image), c.bytes);
  }
  EXPECT_FALSE(AnyDocumentOpen(t.ws));

  // A long name beside the Set stays through a save; an image on a medium
  // no one may write still opens.
  WriteFileBytes(image, good);
  Mtools("mcopy", {"-i", image, t.dir / "OTHER.BIN", "::A long file name.txt"});
  const int d = OpenSet(t.ws, OpenMode::Open, ImageSetPath(image, "MYSET"));
  ASSERT_NE(d, 0);
  t.ws.MarkModified(d, kSong);
  ASSERT_TRUE(SaveSetCommand(t.ws, d));
  EXPECT_EQ(Listing().files.back().longName, "A long file name.txt");
  UnloadDocument(t.ws, d);
  fs::permissions(image, fs::perms::owner_read);
  EXPECT_NE(OpenSet(t.ws, OpenMode::Open, ImageSetPath(image, "MYSET")), 0);
}

}  // namespace
}  // namespace tolvane::test
