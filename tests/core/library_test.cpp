// The library over generated collections: folders, a disk image and an
// unreadable Set; the filter, the duplicate groups, the comparison of two
// Sets, and the command line over them.

#include <gtest/gtest.h>

#include <filesystem>

#include "library/duplicates.h"
#include "library/library.h"
#include "library/library_filter.h"
#include "library/set_compare.h"
#include "library/set_reading.h"
#include "editing/drag_drop.h"
#include "mtools_images.h"
#include "process_runner.h"
#include "set_builder.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

void CopySet(const std::string& from, const std::string& folder, const std::string& name) {
  fs::create_directories(folder);
  for (int k = 0; k < kSetFileKinds; ++k)
    fs::copy_file(from + KindExtension(k), folder + "/" + name + KindExtension(k));
}

// DEMO in a/ and a/deep/, the template in b/, a Set whose arrangement file
// is no Set file in b/, DEMO again in an image.
class LibraryTest : public ::testing::Test {
 protected:
  LibraryTest() {
    const std::string demo = std::string(TOLVANE_DATA_DIR) + "/DEMO/DEMO";
    CopySet(demo, t.dir / "c/a", "DEMO");
    CopySet(demo, t.dir / "c/a/deep", "COPY");
    CopySet(std::string(TOLVANE_DATA_DIR) + "/I3EMPTY/I3EMPTY", t.dir / "c/b", "EMPTY");
    CopySet(demo, t.dir / "c/b", "BAD");
    WriteFileBytes(t.dir / "c/b/BAD.ARR", Bytes(40, 0x41));
    const char* path = std::getenv("PATH");
    const std::vector<std::string> env{std::string("PATH=") + (path ? path : "/usr/bin"), "MTOOLSRC=/dev/null"};
    EXPECT_TRUE(RunProgram("mformat", {"-C", "-i", image, "-f", "1440", "::"}, env, std::chrono::seconds(20)).Succeeded());
    for (int k = 0; k < kSetFileKinds; ++k)
      EXPECT_TRUE(RunProgram("mcopy", {"-i", image, demo + KindExtension(k), "::DISK" + std::string(KindExtension(k))},
                             env, std::chrono::seconds(20)).Succeeded());
  }
  Library Scan(const Library* previous = nullptr) {
    return ScanLibrary(LibraryReadingOf(t.ws, &images), {t.dir / "c", image}, {}, previous);
  }
  std::vector<std::string> Described(const Library& lib, const std::vector<std::uint32_t>& items) {
    std::vector<std::string> lines;
    for (std::uint32_t i : items)
      lines.push_back(lib.sets[lib.items[i].set].shown + " " + lib.items[i].label + " " + lib.items[i].name + " " +
                      lib.items[i].styleLabel);
    return lines;
  }
  TestWorkspace t;
  MtoolsImages images;
  std::string image = t.dir / "DISK07.IMG";
};

TEST_F(LibraryTest, ScansFoldersAndImagesListsTheUnreadableAndReadsOnlyChangedSetsAgain) {
  const Library lib = Scan();
  std::vector<std::string> sets;
  for (const LibrarySet& s : lib.sets) sets.push_back(s.shown + (s.readable ? "" : ": " + ReasonLine(s)));
  EXPECT_EQ(sets, (std::vector<std::string>{"DEMO", "COPY", "BAD: " + t.dir / "c/b/BAD.ARR is not a valid file",
                                            "EMPTY", "DISK in DISK07.IMG"}));
  EXPECT_EQ(lib.sets[4].path, image + "::DISK");
  EXPECT_EQ(lib.sets[0].itemCount, lib.sets[4].itemCount);
  EXPECT_EQ(lib.sets[3].itemCount, 0u);

  LibraryFilter filter;
  filter.text = "bALLad";
  EXPECT_EQ(Described(lib, FilterLibrary(lib, filter)),
            (std::vector<std::string>{"DEMO A11 Pop Ballad U23", "DEMO U23 Ballad ", "COPY A11 Pop Ballad U23",
                                      "COPY U23 Ballad ", "DISK in DISK07.IMG A11 Pop Ballad U23",
                                      "DISK in DISK07.IMG U23 Ballad "}));
  filter.kinds[kArrangement] = false;
  EXPECT_EQ(FilterLibrary(lib, filter).size(), 3u);

  const Library again = Scan(&lib);
  EXPECT_EQ(again.setsRead, 1u);  // BAD, which is read again each time
  EXPECT_EQ(again.items.size(), lib.items.size());
  Bytes arr = ReadFileBytes(t.dir / "c/a/deep/COPY.ARR");
  arr[kArrangementRecordsOffset] = 'X';  // "Pop Ballad" becomes "Xop Ballad"
  WriteFileBytes(t.dir / "c/a/deep/COPY.ARR", arr);
  const Library changed = Scan(&again);
  EXPECT_EQ(changed.setsRead, 2u);
  EXPECT_EQ(changed.items[changed.sets[1].firstItem].name, "Xop Ballad");

  // Three copies of DEMO, one with its first Arrangement renamed.
  const std::vector<ItemGroup> groups = FindDuplicates(changed);
  ASSERT_FALSE(groups.empty());
  EXPECT_EQ(groups.front().items.size(), 3u);
  EXPECT_EQ(groups.size(), static_cast<std::size_t>(lib.sets[0].itemCount));
  EXPECT_EQ(Described(changed, groups.back().items),
            (std::vector<std::string>{"DEMO A11 Pop Ballad U23", "DISK in DISK07.IMG A11 Pop Ballad U23"}));
  EXPECT_TRUE(SameNameDifferent(changed).empty());
}

// A library row dropped on an open Set: its Set read into a slot without a
// window, the drop of another Set, the slot freed without becoming "OldSetNam".
TEST_F(LibraryTest, DropFromALibrarySetCopiesTheItemAndFreesItsSlot) {
  t.ws.prefs.warnDupl = 0;
  t.ws.prefs.oldSetNam = "LAST";
  const int target = ReadSetIntoFreeSlot(t.ws, t.dir / "c/b/EMPTY");
  const int source = ReadSetIntoFreeSlot(t.ws, t.dir / "c/a/DEMO");
  ASSERT_TRUE(target != 0 && source != 0);
  // The Program D11 of DEMO onto D12 of the empty Set: no call to find again.
  EXPECT_EQ(DropItem(t.ws, DragSource{source, kProgram, 320}, target, kProgram, 321), DropResult::Copied);
  ReleaseReadSet(t.ws, source);
  EXPECT_EQ(t.ws.Stores(target).programs.records[1], t.ws.Stores(source).programs.records[0]);
  EXPECT_TRUE(t.ws.Slot(source).free);
  EXPECT_EQ(t.ws.prefs.oldSetNam, "LAST");
}

TEST_F(LibraryTest, ACancelledScanKeepsTheSetsReadSoFar) {
  std::atomic<bool> cancel{false};
  std::vector<std::string> told;
  ScanFeedback feedback{[&](std::size_t done, std::size_t total, const std::string& set) {
                          told.push_back(std::to_string(done) + "/" + std::to_string(total) + " " + set);
                          cancel = done == 1;
                        },
                        &cancel};
  const Library lib = ScanLibrary(LibraryReadingOf(t.ws, &images), {t.dir / "c"}, feedback);
  EXPECT_TRUE(lib.cancelled);
  EXPECT_EQ(told, (std::vector<std::string>{"0/4 " + t.dir / "c/a/DEMO", "1/4 " + t.dir / "c/a/deep/COPY"}));
  EXPECT_EQ(lib.sets.size(), 2u);
}

// Two Sets that differ in known places, and the lines that tell.
TEST(SetCompare, TellsDifferingMovedAndOnlyInOneItems) {
  Rng rng(5);
  SetStores a = RandomSet(rng, 2);
  a.arrangements.records[5].SetName("SIX");
  a.styles.headers[0].SetName("FUNK");
  a.styles.headers[4].SetName("SLOW");
  a.programs.records[0].SetName("PIANO");
  a.songs.records[3].SetName("");
  SetStores b = a;
  b.arrangements.records[5].SetStyleNumber(static_cast<std::int16_t>(a.arrangements.records[5].StyleNumber() ^ 1));
  b.arrangements.records[5].bytes[14] ^= 1;
  b.arrangements.records[5].SetTrackProgram(2, static_cast<std::int16_t>(a.arrangements.records[5].TrackProgram(2) ^ 1));
  b.styles.headers[4] = a.styles.headers[0];
  b.styles.data[4] = a.styles.data[0];
  b.styles.sizes[4] = a.styles.sizes[0];
  b.styles.present[4] = a.styles.present[0];
  b.styles.headers[0].SetName("");
  b.programs.records[0].SetName("ORGAN");
  b.songs.records[3].SetName("NEW SONG");
  b.global.bytes[3] ^= 1;
  EXPECT_EQ(CompareSets(a, b, "A", "B"),
            (std::vector<std::string>{"Arrangement A16 \"SIX\" differs: style, tempo, programs",
                                      "Style U11 \"FUNK\" moved to U21", "Style U21 \"SLOW\" only in A",
                                      "Program D11 \"PIANO\" differs from \"ORGAN\": name",
                                      "Song 3 \"NEW SONG\" only in B", "Global data differs"}));
  EXPECT_TRUE(CompareSets(a, a, "A", "A").empty());
}

}  // namespace
}  // namespace tolvane::test
