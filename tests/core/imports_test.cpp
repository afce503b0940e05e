// Importing: a whole kind from another Set's file (Edit > Import), one item
// from an IStyle file (Paste from IStyle), and items saved as IStyle files.

#include <gtest/gtest.h>

#include <filesystem>

#include "edit_sets.h"
#include "editing/edit_commands.h"
#include "istyle/istyle_exports.h"
#include "sets/kind_import.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

using Events = std::vector<std::string>;

class Imports : public ::testing::Test {
 protected:
  void SetUp() override { WriteSetFiles(dir + "/other", "OTHER", other); }
  // Runs the command on item `item` of tab `tab` of Set `set` with the file
  // chosen under the test's folder ("" cancels); the messages that follow are
  // expected, the first (a question) answered with `answer`.
  void Run(EditAction command, int set, int tab, int item, const std::string& chosen, const Events& messages = {},
           MsgResult answer = MsgResult::Ok) {
    ui.ExpectFileDialog(chosen.empty() ? "" : dir + chosen);
    for (const auto& m : messages) ui.ExpectMessage(m, &m == &messages[0] ? answer : MsgResult::Ok);
    ui.events.clear();
    ASSERT_TRUE(DispatchEditCommand(ws, set, tab, item, command));
  }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(11);
  const SetStores other = EditSet(12, 3);
  const int d = e.Add(x, "SETX");
  const std::string dir = e.t.dir.path();
};

TEST_F(Imports, AWholeKindIsReplacedAndCallsKeepTheirNumbers) {
  Arr(x, 0).SetStyleNumber(49);  // now calls the imported U12
  ws.Stores(d) = x;
  ws.edits.styles.undo.operation = ws.edits.programs.undo.operation = kUndoPaste;
  for (const int k : {kStyle, kProgram}) {
    Run(EditAction::Import, d, k, 0, "/other/other" + KindExtension(k));
    if (k == kStyle) x.styles = other.styles;
    else x.programs = other.programs;  // the global record stays
    e.ExpectSet(d, x);
    EXPECT_EQ(ws.Slot(d).modified[static_cast<std::size_t>(k)], 1);
    EXPECT_EQ(UndoCodeOf(ws, k), kUndoNothing);
    EXPECT_EQ(ui.events, (Events{"refresh 1 " + std::to_string(k), "undo 1 0"}));
  }
  EXPECT_EQ(ui.fileDialogs[1].title + ui.fileDialogs[1].initialName, "Import all Program from...*.PCG");
}

TEST_F(Imports, GlobalDataAreSavedWithThePrograms) {
  ui.ExpectFileDialog(dir + "/other/OTHER.PCG");
  EXPECT_TRUE(ImportWholeKind(ws, d, kGlobal).changed);
  EXPECT_EQ(ws.Stores(d).global.bytes, other.global.bytes);
  EXPECT_EQ(ws.Slot(d).modified, (std::array<std::int16_t, 8>{0, 0, 1, 0, 0, 0, 0, 1}));
}

TEST_F(Imports, WholeKindImportsRefusedOrCancelledChangeNothing) {
  Bytes song = EncodeKind(other, kSong);
  song[6] = 3;  // an arrangement file's code
  WriteFileBytes(dir + "/other/OTHER.SNG", song);
  ws.edits.songs.undo.operation = kUndoPaste;
  Run(EditAction::Import, d, kSong, 0, "");
  Run(EditAction::Import, d, kSong, 0, "/other/OTHER.SNG",
      {dir + "/other/OTHER.SNG is not a valid file", "Error getting Song data.\r\n"});
  e.ExpectSet(d, x);
  EXPECT_FALSE(ws.Slot(d).AnyModified());
  EXPECT_EQ(UndoCodeOf(ws, kSong), kUndoPaste);
  EXPECT_TRUE(ui.events.empty());
}

TEST_F(Imports, AReaderFailingHalfWayLeavesWhatItReadUnmarked) {
  Bytes arrangements = EncodeKind(other, kArrangement);
  PutI16(arrangements, kArrangementDataLengthOffset, 100);  // below the 64 records
  WriteFileBytes(dir + "/other/OTHER.ARR", arrangements);
  const std::string error = "Error getting Arrangement data.\r\n";
  Run(EditAction::Import, d, kArrangement, 0, "/other/OTHER.ARR", {error, error});  // the reader's, the import's
  EXPECT_FALSE(DecodeArrangementFile(arrangements, x.arrangements));  // the records, no trailing data
  e.ExpectSet(d, x);
  EXPECT_FALSE(ws.Slot(d).AnyModified());
  EXPECT_EQ(ui.events, (Events{"refresh 1 0", "undo 1 0"}));
}

TEST_F(Imports, AnIStyleArrangementIsPastedAsStoredAfterTheReferenceQuestion) {
  ArrangementRecord loaded = Arr(x, 1);
  loaded.SetName("LOADED");
  loaded.SetStyleNumber(79);  // U84 and D88: not in this Set
  for (int t = 0; t < kArrangementTracks; ++t) loaded.SetTrackProgram(t, 383);
  Prg(x, 63).SetName(kBlankName);
  Arr(x, 5).SetName(kBlankName);
  Bsq(x, 2).SetArrangement(7);
  ws.Stores(d) = x;
  Bytes file{'K', 'O', 'R', 'G', 0x39};
  file.insert(file.end(), loaded.bytes.begin(), loaded.bytes.end());
  WriteFileBytes(dir + "/LOADED.IAF", file);

  const auto paste = EditAction::PasteFromIStyle;
  Run(paste, d, kArrangement, 5, "/loaded.iaf");  // an empty slot: nothing asked
  EXPECT_EQ(ui.events, (Events{"cell 1 0 5", "undo 1 1"}));
  const std::string question = ArrangementReferenceQuestion("ARR 07");
  Run(paste, d, kArrangement, 7, "/LOADED.IAF", {question}, MsgResult::Cancel);
  Run(paste, d, kArrangement, 7, "/LOADED.IAF", {question, DuplicateNotice("Arrangement", "A18", "A16", "LOADED")},
      MsgResult::No);
  Arr(x, 5) = Arr(x, 7) = loaded;
  e.ExpectSet(d, x);
  const ArrangementClip& clip = ws.edits.arrangements.clipboard;
  EXPECT_TRUE(clip.sourceSet == -1 && clip.sourceNumber == -1 && clip.item == loaded);
  EXPECT_EQ(ui.fileDialogs[0].title + ui.fileDialogs[0].filters[0].name, "Load one Arrangement from .IAF file...IAF");
}

TEST_F(Imports, ExportThenImportGivesTheSameItemBack) {
  Bytes tooLong{'K', 'O', 'R', 'G', 0x39};
  tooLong.resize(5 + 62 + 60801);  // a data part over one Block's 60800 bytes
  WriteFileBytes(dir + "/LONG.ISF", tooLong);
  Run(EditAction::PasteFromIStyle, d, kStyle, 49, "/LONG.ISF", {"Error getting Style data.\r\n"});
  const struct {
    bool (*save)(Workspace&, int, int);
    int kind, from, cell;
    std::string file;
    std::size_t size;
  } cases[] = {
      {ExportArrangementToIStyle, kArrangement, 3, 3, "/A.IAF", 136},
      {ExportProgramToIStyle, kProgram, 5, 325, "/P.IPF", 169},
      {ExportProgramToIStyle, kProgram, 64, 518, "/K.IDK", 1009},
      {ExportStyleToIStyle, kStyle, 1, 49, "/S.ISF", 5 + static_cast<std::size_t>(x.styles.sizes[1])},
  };
  // Each item is saved, cut, and loaded back into its empty place.
  for (const auto& c : cases) {
    ui.ExpectFileDialog(dir + c.file.substr(0, 2));  // the extension is added
    ASSERT_TRUE(c.save(ws, d, c.from));
    EXPECT_EQ(ReadFileBytes(dir + c.file).size(), c.size);
    ASSERT_TRUE(DispatchEditCommand(ws, d, c.kind, c.cell, EditAction::Cut));
    Run(EditAction::PasteFromIStyle, d, c.kind, c.cell, c.file);
  }
  e.ExpectSet(d, x);
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(Imports, AFailedExportLeavesTheFileAsItWas) {
  const std::string file = dir + "/KEEP.IAF", error = "Error saving Arrangement data.\r\n";
  const Bytes before{1, 2, 3};
  WriteFileBytes(file, before);
  fs::create_directories(ws.locations.scratchFile + "/x");  // no scratch file can be written
  ui.ExpectFileDialog(file).ExpectMessage(error);
  EXPECT_FALSE(ExportArrangementToIStyle(ws, d, 0));
  fs::permissions(file, fs::perms::owner_write, fs::perm_options::remove);
  ui.ExpectFileDialog(file).ExpectMessage(error + "Destination file is Read-Only!");
  EXPECT_FALSE(ExportArrangementToIStyle(ws, d, 0));
  EXPECT_EQ(ReadFileBytes(file), before);
}

}  // namespace
}  // namespace tolvane::test
