#include <gtest/gtest.h>

#include "document/grid_cells.h"
#include "document/grid_layout.h"
#include "scripted_ui.h"
#include "storage/text.h"
#include "storage/workspace.h"
#include "styles/style_accessors.h"

namespace tolvane {
namespace {

// A Set built in memory: a few named items and the calls between them.
class GridCellsTest : public ::testing::Test {
 protected:
  GridCellsTest() : ws(ui, ui) {
    d = AllocateDocumentSlot(ws);
    for (std::size_t i = 0; i < ws.presets.styles.size(); ++i) ws.presets.styles[i] = PadOrCut("PStyle" + std::to_string(i), 10);
    for (std::size_t i = 0; i < ws.presets.programs.size(); ++i) ws.presets.programs[i] = PadOrCut("Prg" + std::to_string(i), 10);
    for (auto& n : ws.presets.bankC) n = PadOrCut("BankC", 10);
    for (auto& n : ws.presets.drumKits) n = PadOrCut("Kit", 10);
    ws.presets.styles[3] = kBlankName;

    SetStores& s = ws.Stores(d);
    for (auto& r : s.arrangements.records) r.SetName(kBlankName);
    for (auto& h : s.styles.headers) h.SetName(kBlankName);
    for (auto& r : s.programs.records) r.SetName(kBlankName);
    for (auto& r : s.backingSequences.records) r.SetName(kBlankName);
    for (auto& r : s.songs.records) r.SetName(kBlankName);
    for (auto& size : s.styles.sizes) size = kStyleBaseSize;
    s.styles.blockCount = 2;

    s.arrangements.records[0].SetName("POP 1");
    s.arrangements.records[0].SetStyleNumber(54);  // U23
    s.arrangements.records[1].SetName("Latin");
    s.arrangements.records[1].SetStyleNumber(0);  // P11
    s.styles.headers[6].SetName("Ballad");
    s.styles.sizes[6] = kStyleBaseSize + 4 * 4100;
    s.styles.headers[7].SetName("Unused");
    s.programs.records[0].SetName("Grand Pno");
    s.programs.records[1].SetName("Strings 1");
    s.arrangements.records[0].SetTrackProgram(0, 320);  // calls D11
    s.arrangements.records[0].SetTrackProgram(1, 5);    // calls preset A16
    s.arrangements.records[1].SetTrackProgram(0, 5);

    // Backing Sequence 0 calls Arrangement A11; an unnamed one calling A12 does not count.
    s.backingSequences.records[0].SetName("Intro Demo");
    s.backingSequences.records[0].SetArrangement(0);
    s.backingSequences.records[1].SetArrangement(1);
  }

  test::ScriptedUi ui;
  Workspace ws;
  int d = 0;
};

TEST_F(GridCellsTest, ArrangementCellsShowTheStyleTheyCall) {
  // The name padded to 16, then one blank before the Style part.
  EXPECT_EQ(ArrangementCell(ws, d, 0).text, "A11 POP 1" + std::string(11, ' ') + " (U23)U");
  EXPECT_EQ(ArrangementCell(ws, d, 1).text, "A12 Latin" + std::string(11, ' ') + " (P11)");
  EXPECT_EQ(ArrangementCell(ws, d, 63).text, "A88 " + std::string(16, ' '));
}

TEST_F(GridCellsTest, ArrangementColoursFollowHighCall) {
  EXPECT_EQ(ArrangementCell(ws, d, 0).colour, kCalledText);
  EXPECT_EQ(ArrangementCell(ws, d, 1).colour, kUncalledText);  // its caller has no name
  EXPECT_EQ(ArrangementCell(ws, d, 2).colour, kUncalledText);
  ws.prefs.highCall = 0;
  EXPECT_EQ(ArrangementCell(ws, d, 0).colour, kPlainText);
  EXPECT_EQ(ArrangementCell(ws, d, 1).colour, kPlainText);
  EXPECT_EQ(ArrangementCell(ws, d, 2).colour, kUncalledText);
  ws.prefs.highCall = 2;  // only the checked value 1 highlights
  EXPECT_EQ(ArrangementCell(ws, d, 0).colour, kPlainText);
}

TEST_F(GridCellsTest, StyleCellsAndColours) {
  EXPECT_EQ(StyleCell(ws, d, 54).text, "U23 Ballad          :4100");
  EXPECT_EQ(StyleCell(ws, d, 48).text, "U11 " + std::string(16, ' ') + ":0");
  EXPECT_EQ(StyleCell(ws, d, 0).text, "P11 PStyle0         ");
  EXPECT_EQ(StyleCell(ws, d, 54).colour, kCalledText);
  EXPECT_EQ(StyleCell(ws, d, 55).colour, kUncalledText);
  EXPECT_EQ(StyleCell(ws, d, 48).colour, kUncalledText);
  EXPECT_EQ(StyleCell(ws, d, 0).colour, kCalledPresetText);
  EXPECT_EQ(StyleCell(ws, d, 1).colour, kPresetText);
  EXPECT_EQ(StyleCell(ws, d, 3).colour, kUncalledText);  // a blank preset name
  ws.prefs.highCall = 0;
  EXPECT_EQ(StyleCell(ws, d, 54).colour, kPlainText);
  EXPECT_EQ(StyleCell(ws, d, 0).colour, kPresetPlainText);
  EXPECT_TRUE(StyleCell(ws, d, 1).colour.systemDisabled);
  EXPECT_EQ(StyleCell(ws, d, 48).colour, kUncalledText);
}

TEST_F(GridCellsTest, ProgramCellsAndColours) {
  EXPECT_EQ(ProgramCell(ws, d, 320).text, "D11 Grand Pno ");
  EXPECT_EQ(ProgramCell(ws, d, 5).text, "A16 Prg5      ");
  EXPECT_EQ(ProgramCell(ws, d, 512).text, "Dr1 Kit       ");
  EXPECT_EQ(ProgramCell(ws, d, 320).colour, kCalledText);
  EXPECT_EQ(ProgramCell(ws, d, 321).colour, kUncalledText);
  EXPECT_EQ(ProgramCell(ws, d, 322).colour, kUncalledText);
  EXPECT_EQ(ProgramCell(ws, d, 5).colour, kCalledPresetText);
  EXPECT_EQ(ProgramCell(ws, d, 6).colour, kPresetText);
  ws.prefs.highCall = 0;
  EXPECT_EQ(ProgramCell(ws, d, 320).colour, kPlainText);
  EXPECT_EQ(ProgramCell(ws, d, 5).colour, kPresetPlainText);
  // A cell beyond the Programs of a Twin View grid shows nothing.
  EXPECT_EQ(ProgramCell(ws, d, -1).text, " ");
}

TEST_F(GridCellsTest, FreeEventsOfEachBlock) {
  EXPECT_EQ(FreeEventsCell(ws, d, 0), "15200");
  EXPECT_EQ(FreeEventsCell(ws, d, 1), "11100");
  ws.Stores(d).styles.sizes[4] = kStyleBaseSize + 4 * 12000;
  EXPECT_EQ(FreeEventsCell(ws, d, 1), "-900");
  EXPECT_EQ(FreeEventsCell(ws, d, 8), "");
}

TEST_F(GridCellsTest, SequenceLinesAndFigures) {
  SetStores& s = ws.Stores(d);
  s.backingSequences.itemSizes[0] = 64;
  s.backingSequences.itemSizes[9] = 30000;
  s.songs.records[2].SetName("Jazz Song");
  s.songs.itemSizes[2] = 1;
  EXPECT_EQ(BackingSequenceLine(ws, d, 0), "BSeq 0: Intro Demo       :  256");
  EXPECT_EQ(BackingSequenceLine(ws, d, 9), "BSeq 9: " + std::string(16, ' ') + " :120000");
  EXPECT_EQ(SongLine(ws, d, 2), "Song 2: Jazz Song        :    4");
  EXPECT_EQ(SongLine(ws, d, 10), "");

  EventMemory m;
  m.backSeqs = 16000;
  m.songs = 300;
  m.patterns = 86;
  m.total = 16386;
  m.free = -2;
  const auto texts = EventFigureTexts(m);
  EXPECT_EQ(texts[0], "BackSeqs: 64000");
  EXPECT_EQ(texts[1], "Songs: 1200");
  EXPECT_EQ(texts[2], "Patterns: 344");
  EXPECT_EQ(texts[3], "Total: 65544");
  EXPECT_EQ(texts[4], "Free: -8");
  EXPECT_EQ(FormatFigure(0), "0");
}

TEST(GridLayout, RowsAndTwinView) {
  EXPECT_EQ(ArrangementGridShape(0, true), (GridShape{16, false}));
  EXPECT_EQ(ProgramGridShape(0, true), (GridShape{32, true}));
  EXPECT_EQ(ProgramGridShape(1, false), (GridShape{16, true}));
  EXPECT_EQ(ProgramGridShape(2, true), (GridShape{16, false}));
  EXPECT_EQ(ProgramGridShape(3, true), (GridShape{32, true}));
  EXPECT_EQ(ProgramGridShape(4, true), (GridShape{2, false}));
  EXPECT_EQ(StyleGridShape(0, 3), (GridShape{12, false}));
  EXPECT_EQ(StyleGridShape(1, 3), (GridShape{3, false}));
  EXPECT_EQ(StyleGridShape(1, 200), (GridShape{8, false}));
}

TEST(GridLayout, ItemsOfCells) {
  EXPECT_EQ(ArrangementAtCell(0, 15, 3), 63);
  EXPECT_EQ(ArrangementAtCell(0, 16, 0), -1);
  EXPECT_EQ(StyleAtCell(1, 5, 2), 48 + 22);
  EXPECT_EQ(StyleAtCell(0, 11, 3), 47);
  EXPECT_EQ(StyleAtCell(0, 12, 0), -1);
  EXPECT_EQ(ProgramAtCell(0, 16, 0), 64);  // Twin View: bank A continues into B
  EXPECT_EQ(ProgramAtCell(0, 31, 3), 127);
  EXPECT_EQ(ProgramAtCell(1, 16, 0), -1);
  EXPECT_EQ(ProgramAtCell(3, 16, 0), -1);
  EXPECT_EQ(ProgramAtCell(4, 1, 3), 519);
  EXPECT_EQ(ProgramAtCell(4, 0, 4), -1);
  EXPECT_EQ(CellOfProgram(0, 32, 100), (CellPosition{25, 0}));
  EXPECT_FALSE(CellOfProgram(0, 16, 100).Valid());
  EXPECT_EQ(CellOfProgram(1, 16, 100), (CellPosition{9, 0}));
  EXPECT_EQ(CellOfStyle(1, 2, 55), (CellPosition{1, 3}));
  EXPECT_FALSE(CellOfStyle(1, 1, 55).Valid());
  EXPECT_EQ(CellOfArrangement(0, 16, 6), (CellPosition{1, 2}));
  EXPECT_FALSE(CellOfArrangement(0, 16, -1).Valid());
}

TEST(GridLayout, WindowSizeHoldsTheWholeGrid) {
  const auto s = SizeDocumentWindow(16, 2925, 240);
  EXPECT_EQ(s.gridWidth, 4 * 2925 + 30);
  EXPECT_EQ(s.gridHeight, 16 * 240 + 30);
  EXPECT_GT(s.tabWidth, s.gridWidth);
  EXPECT_GT(s.tabHeight, s.gridHeight);
  EXPECT_GE(s.windowWidth, s.tabWidth);
  EXPECT_GT(s.windowHeight, s.tabHeight);
  // An 800-pixel screen holds the window with the frames around it.
  EXPECT_LE(TwipsToPixels(s.windowWidth), 790);
  // The narrower style columns leave room for the free-event column.
  const auto withSide = SizeDocumentWindow(8, kStyleColumnWidth, 240, kFreeEventColumnWidth);
  EXPECT_LE(withSide.windowWidth, s.windowWidth);
  EXPECT_EQ(withSide.gridHeight, 8 * 240 + 30);
  EXPECT_EQ(TwipsToPixels(2925), 195);
  EXPECT_EQ(TwipsToPixels(2926), 196);
  EXPECT_EQ(TwipsToPixels(240), 16);
}

}  // namespace
}  // namespace tolvane
