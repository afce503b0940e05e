// Edit > Import: a whole kind read from another Set's file into the Set shown.

#include <gtest/gtest.h>

#include "edit_sets.h"
#include "editing/edit_commands.h"
#include "sets/kind_import.h"
#include "sets/set_files.h"

namespace tolvane::test {
namespace {

using Events = std::vector<std::string>;

class KindImport : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteSetFiles(folder, "OTHER", other);
    ws.edits.styles.undo.operation = ws.edits.programs.undo.operation = ws.edits.songs.undo.operation = kUndoPaste;
  }
  bool Import(int tab, const std::string& chosen, const Events& messages = {}) {
    ui.ExpectFileDialog(chosen);
    for (const auto& m : messages) ui.ExpectMessage(m);
    return DispatchEditCommand(ws, d, tab, 0, EditAction::Import);
  }

  EditWorkspace e;
  ScriptedUi& ui = e.ui;
  Workspace& ws = e.ws;
  SetStores x = EditSet(11);
  const SetStores other = EditSet(12, 3);
  const int d = e.Add(x, "SETX");
  const std::string folder = e.t.dir / "other";
};

TEST_F(KindImport, TheKindIsReplacedAndCallsKeepTheirNumbers) {
  Arr(x, 0).SetStyleNumber(49);  // now calls the imported U12
  ws.Stores(d) = x;
  for (const int k : {kStyle, kProgram}) {
    ui.events.clear();
    ASSERT_TRUE(Import(k, folder + "/other" + KindExtension(k)));
    if (k == kStyle) x.styles = other.styles;
    else x.programs = other.programs;  // the global record stays
    e.ExpectSet(d, x);
    EXPECT_EQ(ws.Slot(d).modified[static_cast<std::size_t>(k)], 1);
    EXPECT_EQ(UndoCodeOf(ws, k), kUndoNothing);
    EXPECT_EQ(ui.events, (Events{"refresh 1 " + std::to_string(k), "undo 1 0"}));
    const FileDialogRequest& dialog = ui.fileDialogs.back();
    EXPECT_EQ(dialog.title, "Import all " + KindName(k) + " from...");
    EXPECT_EQ(dialog.filters[0].pattern + dialog.initialName + dialog.defaultExtension,
              "*" + KindExtension(k) + "*" + KindExtension(k) + KindExtension(k).substr(1));
  }
  ui.ExpectMessage("Save the changes in SETX ?", MsgResult::Cancel);
  EXPECT_FALSE(QueryCloseDocument(ws, d));
}

TEST_F(KindImport, GlobalDataAreSavedWithThePrograms) {
  ui.ExpectFileDialog(folder + "/OTHER.PCG");
  EXPECT_TRUE(ImportWholeKind(ws, d, kGlobal).changed);
  EXPECT_EQ(ws.Stores(d).global.bytes, other.global.bytes);
  EXPECT_EQ(ws.Slot(d).modified, (std::array<std::int16_t, 8>{0, 0, 1, 0, 0, 0, 0, 1}));
}

TEST_F(KindImport, RefusedOrCancelledImportsChangeNothing) {
  Bytes song = EncodeKind(other, kSong);
  song[6] = 3;  // an arrangement file's code
  WriteFileBytes(folder + "/OTHER.SNG", song);
  const struct {
    std::string chosen;
    Events messages;
  } cases[] = {
      {"", {}},
      {folder + "/OTHER.SNG", {folder + "/OTHER.SNG is not a valid file", "Error getting Song data.\r\n"}},
      {folder + "/NONE.SNG", {"File " + folder + "/NONE.SNG not found", "Error getting Song data.\r\n"}},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(Import(kSong, c.chosen, c.messages));
    e.ExpectSet(d, x);
    EXPECT_FALSE(ws.Slot(d).AnyModified());
    EXPECT_EQ(UndoCodeOf(ws, kSong), kUndoPaste);
    EXPECT_TRUE(ui.events.empty());
  }
  EXPECT_EQ(ui.messages.size(), 4u);
}

TEST_F(KindImport, AReaderFailingHalfWayLeavesWhatItReadUnmarked) {
  Bytes arrangements = EncodeKind(other, kArrangement);
  PutI16(arrangements, kArrangementDataLengthOffset, 100);  // below the 64 records
  WriteFileBytes(folder + "/OTHER.ARR", arrangements);
  const std::string error = "Error getting Arrangement data.\r\n";
  ASSERT_TRUE(Import(kArrangement, folder + "/OTHER.ARR", {error, error}));  // the reader's, then the import's
  EXPECT_FALSE(DecodeArrangementFile(arrangements, x.arrangements));  // the records, no trailing data
  e.ExpectSet(d, x);
  EXPECT_FALSE(ws.Slot(d).AnyModified());
  EXPECT_EQ(ui.events, (Events{"refresh 1 0", "undo 1 0"}));
}

}  // namespace
}  // namespace tolvane::test
