// Importing: a whole kind from another Set's file (Edit > Import), one item
// from an IStyle file (Paste from IStyle), and items saved as IStyle files.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "edit_sets.h"
#include "editing/edit_commands.h"
#include "istyle/istyle_exports.h"
#include "istyle/istyle_files.h"
#include "sets/kind_import.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

using Events = std::vector<std::string>;

class Imports : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSetFiles(dir + "/other", "OTHER", other);
    EditRecords& r = e.ws.edits;  // edits to be forgotten by an import, or kept by a refused one
    r.styles.undo.operation = r.programs.undo.operation = r.songs.undo.operation = kUndoPaste;
  }
  // Runs the command on item `item` of tab `tab` of Set `set` with the file
  // chosen under the test's folder ("" cancels); the messages that follow are
  // expected, the first (a question) answered with `answer`.
  void Run(EditAction command, int set, int tab, int item, const std::string& chosen, const Events& messages = {},
           MsgResult answer = MsgResult::Ok) {
    e.ui.ExpectFileDialog(chosen.empty() ? "" : dir + chosen);
    for (const auto& m : messages) e.ui.ExpectMessage(m, &m == &messages[0] ? answer : MsgResult::Ok);
    e.ui.events.clear();
    ASSERT_TRUE(DispatchEditCommand(e.ws, set, tab, item, command));
  }

  EditWorkspace e;
  SetStores x = EditSet(11);
  const SetStores other = EditSet(12, 3);
  const int d = e.Add(x, "SETX");
  const std::string dir = e.t.dir.path();
};

TEST_F(Imports, AWholeKindIsReplacedAndCallsKeepTheirNumbers) {
  Arr(x, 0).SetStyleNumber(49);  // now calls the imported U12
  e.ws.Stores(d) = x;
  for (const int k : {kStyle, kProgram}) {
    Run(EditAction::Import, d, k, 0, "/other/other" + KindExtension(k));
    if (k == kStyle) x.styles = other.styles;
    else x.programs = other.programs;  // the global record stays
    e.ExpectSet(d, x);
    EXPECT_EQ(UndoCodeOf(e.ws, k), kUndoNothing);
    EXPECT_EQ(e.ui.events, (Events{"refresh 1 " + std::to_string(k), "undo 1 0"}));
  }
  EXPECT_EQ(e.ui.fileDialogs[1].title + e.ui.fileDialogs[1].initialName + e.ui.fileDialogs[1].defaultExtension,
            "Import all Program from...*.PCGPCG");
  // The global record is saved with the Programs, so their flag is set too.
  e.ui.ExpectFileDialog(dir + "/other/OTHER.PCG");
  EXPECT_TRUE(ImportWholeKind(e.ws, d, kGlobal).changed);
  EXPECT_EQ(e.ws.Stores(d).global.bytes, other.global.bytes);
  EXPECT_EQ(e.ws.Slot(d).modified, (std::array<std::int16_t, 8>{0, 1, 1, 0, 0, 0, 0, 1}));
}

struct Damage {
  int kind;
  const char* what;
  std::function<void(Bytes&)> damage;
  bool foreign = false;  // not a file of this kind at all
};

const Damage kDamages[] = {
    {kArrangement, "truncated", [](Bytes& b) { b.resize(b.size() / 2); }},
    {kArrangement, "data length below the records", [](Bytes& b) { PutI16(b, kArrangementDataLengthOffset, 100); }},
    {kStyle, "ending inside the second Block", [](Bytes& b) { b.resize(b.size() - 100); }},
    {kStyle, "first Block table wrong", [](Bytes& b) { std::fill_n(b.begin() + kStyleFirstBlockOffset, 24, 0); }},
    {kProgram, "truncated", [](Bytes& b) { b.resize(b.size() - 1); }},
    {kBackingSequence, "truncated", [](Bytes& b) { b.resize(b.size() - 16); }},
    {kBackingSequence, "offsets wrong", [](Bytes& b) { PutI16(b, 1966 + 2 * 17, 32000); }},
    {kSong, "truncated", [](Bytes& b) { b.resize(3000); }},
    {kSong, "pattern offsets wrong", [](Bytes& b) { PutI16(b, 3516, 0); }},
    {kSong, "an Arrangement file's code", [](Bytes& b) { b[6] = 3; }, true},
};

// A damaged file, or none chosen, replaces nothing: the Set, its marks and
// the undo record stay, and the read error shows once.
TEST_F(Imports, AFileNotReadWholeChangesNothing) {
  for (const Damage& c : kDamages) {
    SCOPED_TRACE(KindName(c.kind) + std::string(" ") + c.what);
    Bytes bytes = EncodeKind(other, c.kind);
    c.damage(bytes);
    const std::string name = "/other/OTHER" + KindExtension(c.kind);
    WriteFileBytes(dir + name, bytes);
    const int code = UndoCodeOf(e.ws, c.kind);
    const std::string error = "Error getting " + KindName(c.kind) + " data.\r\n";
    Run(EditAction::Import, d, c.kind, 0, "");
    Run(EditAction::Import, d, c.kind, 0, name,
        c.foreign ? Events{dir + name + " is not a valid file", error} : Events{error});
    e.ExpectSet(d, x);
    EXPECT_FALSE(e.ws.Slot(d).AnyModified());
    EXPECT_EQ(UndoCodeOf(e.ws, c.kind), code);
    EXPECT_TRUE(e.ui.events.empty());
  }
}

TEST_F(Imports, AnIStyleArrangementIsPastedAsStoredAfterTheReferenceQuestion) {
  ArrangementRecord loaded = Arr(x, 1);
  loaded.SetName("LOADED");
  loaded.SetStyleNumber(79);  // U84: not in this Set
  Arr(x, 5).SetName("");  // all blanks
  Bsq(x, 2).SetArrangement(7);
  e.ws.Stores(d) = x;
  Bytes file(kIStyleHeader.size() + loaded.bytes.size());
  std::copy(loaded.bytes.begin(), loaded.bytes.end(), std::copy(kIStyleHeader.begin(), kIStyleHeader.end(), file.begin()));
  WriteFileBytes(dir + "/LOADED.IAF", file);

  Run(EditAction::PasteFromIStyle, d, kArrangement, 5, "/loaded.iaf");  // empty: nothing asked
  EXPECT_EQ(e.ui.events, (Events{"cell 1 0 5", "undo 1 1"}));
  Run(EditAction::PasteFromIStyle, d, kArrangement, 7, "/LOADED.IAF",
      {ArrangementReferenceQuestion("ARR 07"), DuplicateNotice("Arrangement", "A18", "A16", "LOADED")}, MsgResult::No);
  Arr(x, 5) = Arr(x, 7) = loaded;
  e.ExpectSet(d, x);
  EXPECT_EQ(e.ws.edits.arrangements.clipboard, (ArrangementClip{0, -1, -1, loaded}));  // from no Set
  EXPECT_EQ(e.ui.fileDialogs[0].title + e.ui.fileDialogs[0].filters.at(0).name, "Load one Arrangement from .IAF file...IAF");
}

TEST_F(Imports, AStyleTooLargeForAnIStyleFileIsNotLoaded) {
  Bytes tooLong{'K', 'O', 'R', 'G', 0x39};
  tooLong.resize(5 + 62 + 60801);  // a data part over one Block's 60800 bytes
  WriteFileBytes(dir + "/LONG.ISF", tooLong);
  Run(EditAction::PasteFromIStyle, d, kStyle, 49, "/LONG.ISF", {"Error getting Style data.\r\n"});
  WriteFileBytes(dir + "/SHORT.IPF", {'K', 'O', 'R', 'G', 0x39, 0, 0, 0, 1});
  WriteFileBytes(dir + "/SHORT.IDK", tooLong = Bytes(tooLong.begin(), tooLong.begin() + 900));
  Run(EditAction::PasteFromIStyle, d, kProgram, 320, "/SHORT.IPF", {"Error getting Program data.\r\n"});
  Run(EditAction::PasteFromIStyle, d, kProgram, 518, "/SHORT.IDK", {"Error getting Program data.\r\n"});
  tooLong[3] = 'g';  // no IStyle file
  WriteFileBytes(dir + "/BAD.ISF", tooLong);
  Run(EditAction::PasteFromIStyle, d, kStyle, 49, "/BAD.ISF", {dir + "/BAD.ISF is not a valid file"});
  e.ExpectSet(d, x);
}

TEST_F(Imports, AFailedExportLeavesTheFileAsItWas) {
  x.styles.data[2].resize(kIStyleMaxStyleData);  // the largest Style an IStyle file holds
  x.styles.sizes[2] = static_cast<std::int32_t>(kStyleHeaderSize + kIStyleMaxStyleData);
  e.ws.Stores(d) = x;
  x.arrangements.records[0].SetName(" A/B: C  ");
  e.ws.Stores(d) = x;
  e.ui.ExpectFileDialog(dir + "/MAX.ISF");
  EXPECT_TRUE(ExportStyleToIStyle(e.ws, d, 2));
  const std::string file = dir + "/KEEP.IAF", error = "Error saving Arrangement data.\r\n";
  WriteFileBytes(file, {1, 2, 3});
  // An existing file is replaced only when the user says so.
  e.ui.ExpectFileDialog(file).ExpectMessage("Overwrite existing file?", MsgResult::No);
  EXPECT_FALSE(ExportArrangementToIStyle(e.ws, d, 0));
  fs::create_directories(e.ws.locations.scratchFile + "/x");  // no scratch file can be written
  e.ui.ExpectFileDialog(file).ExpectMessage("Overwrite existing file?", MsgResult::Yes).ExpectMessage(error);
  EXPECT_FALSE(ExportArrangementToIStyle(e.ws, d, 0));
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
  e.ui.ExpectFileDialog(file)
      .ExpectMessage("Overwrite existing file?", MsgResult::Yes)
      .ExpectMessage(error + "Destination file is Read-Only!");
  EXPECT_FALSE(ExportArrangementToIStyle(e.ws, d, 0));
  EXPECT_EQ(ReadFileBytes(file), (Bytes{1, 2, 3}));
  // Each dialog offers the item's name as a file name, in the last IStyle folder.
  EXPECT_EQ(e.ui.fileDialogs[0].initialName, TrimBlanks(UserStyleName(x.styles, 2)) + ".ISF");
  EXPECT_EQ(e.ui.fileDialogs[1].initialName, "A_B_ C.IAF");
  EXPECT_EQ(e.ui.fileDialogs[1].initialFolder, dir);
}

}  // namespace
}  // namespace tolvane::test
