// Single items through IStyle files: Paste from IStyle, and saving an item
// as an IStyle file that reads back the same.

#include <gtest/gtest.h>

#include <filesystem>

#include "edit_sets.h"
#include "editing/edit_commands.h"
#include "istyle/istyle_exports.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane::test {
namespace {

using Events = std::vector<std::string>;

class IStyle : public ::testing::Test {
 protected:
  bool Load(int set, int tab, int item, const std::string& chosen, const std::string& question = "",
            MsgResult answer = MsgResult::Ok) {
    ui.ExpectFileDialog(chosen);
    if (!question.empty()) e.ExpectQuestion(question, answer);
    return DispatchEditCommand(ws, set, tab, item, EditAction::PasteFromIStyle);
  }
  // "KORG", 0x39 and the item's bytes.
  static Bytes IStyleFile(std::span<const std::uint8_t> item) {
    Bytes file{'K', 'O', 'R', 'G', 0x39};
    file.insert(file.end(), item.begin(), item.end());
    return file;
  }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(21);
  const int d = e.Add(x, "SETX");
  const std::string dir = e.t.dir.path();
};

TEST_F(IStyle, AnArrangementLoadsIntoAnEmptySlotAsStoredWithoutQuestions) {
  ArrangementRecord loaded = Arr(x, 1);
  loaded.SetName("LOADED");
  loaded.SetStyleNumber(79);  // U84 and D88: not in this Set
  for (int t = 0; t < kArrangementTracks; ++t) loaded.SetTrackProgram(t, 383);
  Arr(x, 5).SetName(kBlankName);
  Prg(x, 63).SetName(kBlankName);
  ws.Stores(d) = x;
  WriteFileBytes(dir + "/LOADED.IAF", IStyleFile(loaded.bytes));

  ASSERT_TRUE(Load(d, kArrangement, 5, dir + "/loaded.iaf"));
  Arr(x, 5) = loaded;
  e.ExpectSet(d, x);
  const ArrangementClip& clip = ws.edits.arrangements.clipboard;
  EXPECT_TRUE(clip.sourceSet == -1 && clip.sourceNumber == -1 && clip.item == loaded);
  EXPECT_EQ(UndoCodeOf(ws, kArrangement), kUndoPaste);
  EXPECT_EQ(ui.events, (Events{"cell 1 0 5", "undo 1 1"}));
  const FileDialogRequest& dialog = ui.fileDialogs[0];
  EXPECT_EQ(dialog.title + dialog.filters[0].name + dialog.filters[0].pattern + dialog.initialName,
            "Load one Arrangement from .IAF file...IAF*.IAF*.IAF");
}

TEST_F(IStyle, ACalledSlotAsksTheReferenceQuestionFirst) {
  Bsq(x, 2).SetArrangement(7);
  ws.Stores(d) = x;
  ArrangementRecord loaded = Arr(x, 1);
  loaded.SetName("LOADED");
  WriteFileBytes(dir + "/LOADED.IAF", IStyleFile(loaded.bytes));
  for (const MsgResult answer : {MsgResult::Cancel, MsgResult::No}) {
    ui.events.clear();
    ASSERT_TRUE(Load(d, kArrangement, 7, dir + "/LOADED.IAF", ArrangementReferenceQuestion("ARR 07"), answer));
    EXPECT_EQ(ws.edits.arrangements.clipboard.item, loaded);
  }
  Arr(x, 7) = loaded;
  e.ExpectSet(d, x);
  EXPECT_EQ(ui.events, (Events{"cell 1 0 7", "undo 1 1"}));
}

TEST_F(IStyle, ExportThenImportGivesTheSameItemBack) {
  SetStores y = EditSet(22);
  const int dy = e.Add(y, "SETY");
  SetStores& source = ws.Stores(d);
  Arr(source, 3).SetName("ONLY A");
  Prg(source, 5).SetName("ONLY P");
  Prg(source, 64).SetName("ONLY K");
  Arr(source, 4).SetName(kBlankName);
  EXPECT_FALSE(ExportArrangementToIStyle(ws, d, 4));  // an empty item: no dialog
  Arr(y, 9) = Arr(source, 3);
  Prg(y, 10) = Prg(source, 5);
  Prg(y, 65) = Prg(source, 64);
  y.programs.drumKits[1] = source.programs.drumKits[0];
  const struct {
    bool (*save)(Workspace&, int, int);
    int kind, from, to;
    std::string file;
    std::size_t size;
  } cases[] = {
      {ExportArrangementToIStyle, kArrangement, 3, 9, "A.IAF", 136},
      {ExportProgramToIStyle, kProgram, 5, 330, "P.IPF", 169},
      {ExportProgramToIStyle, kProgram, 64, 519, "K.IDK", 1009},
  };
  for (const auto& c : cases) {
    ui.ExpectFileDialog(dir + "/" + c.file.substr(0, 1));  // the extension is added
    ASSERT_TRUE(c.save(ws, d, c.from));
    EXPECT_EQ(ReadFileBytes(dir + "/" + c.file).size(), c.size);
    ASSERT_TRUE(Load(dy, c.kind, c.to, dir + "/" + c.file));
  }
  e.ExpectSet(dy, y);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(IStyle, AFailedExportLeavesTheFileAsItWas) {
  const std::string file = dir + "/KEEP.IAF";
  const Bytes before{1, 2, 3};
  const struct {
    void (*block)(const std::string& file, const std::string& scratch);
    std::string message;
  } cases[] = {
      {[](const std::string& f, const std::string&) { fs::permissions(f, fs::perms::owner_write, fs::perm_options::remove); },
       "Error saving Arrangement data.\r\nDestination file is Read-Only!"},
      {[](const std::string&, const std::string& s) { fs::create_directories(s + "/x"); },
       "Error saving Arrangement data.\r\n"},
  };
  for (const auto& c : cases) {
    fs::remove(file);
    WriteFileBytes(file, before);
    c.block(file, ws.locations.scratchFile);
    ui.ExpectFileDialog(file).ExpectMessage(c.message);
    EXPECT_FALSE(ExportArrangementToIStyle(ws, d, 0));
    EXPECT_EQ(ReadFileBytes(file), before);
  }
}

}  // namespace
}  // namespace tolvane::test
