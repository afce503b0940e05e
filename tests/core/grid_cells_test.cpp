#include <algorithm>

#include <gtest/gtest.h>

#include "document/grid_cells.h"
#include "document/grid_layout.h"
#include "scripted_ui.h"
#include "storage/text.h"
#include "sets/workspace.h"
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
    std::fill_n(s.styles.present.begin(), 8, std::uint8_t{1});

    s.arrangements.records[0].SetName("POP 1");
    s.arrangements.records[0].SetStyleNumber(54);  // U23
    s.arrangements.records[1].SetName("Latin");
    s.arrangements.records[1].SetStyleNumber(0);  // P11
    s.styles.headers[6].SetName("Ballad");
    s.styles.sizes[6] = kStyleBaseSize + 4 * 4100 + 3;  // a partial event does not count
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
  template <class Cell>
  std::vector<CellColour> Colours(Cell cell, std::initializer_list<int> numbers) {
    std::vector<CellColour> out;
    for (int n : numbers) out.push_back(cell(ws, d, n).colour);
    return out;
  }

  test::ScriptedUi ui;
  Workspace ws;
  int d = 0;
};

TEST_F(GridCellsTest, ArrangementCellsShowTheStyleTheyCallAndFollowHighCall) {
  // The name padded to 16, then one blank before the Style part.
  EXPECT_EQ(ArrangementCell(ws, d, 0).text, "A11 POP 1" + std::string(11, ' ') + " (U23)U");
  EXPECT_EQ(ArrangementCell(ws, d, 1).text, "A12 Latin" + std::string(11, ' ') + " (P11)");
  EXPECT_EQ(ArrangementCell(ws, d, 63).text, "A88 " + std::string(16, ' '));
  // A12's caller has no name.
  EXPECT_EQ(Colours(ArrangementCell, {0, 1, 2}), (std::vector<CellColour>{kCalledText, kUncalledText, kUncalledText}));
  ws.prefs.highCall = 0;
  EXPECT_EQ(Colours(ArrangementCell, {0, 1, 2}), (std::vector<CellColour>{kPlainText, kPlainText, kUncalledText}));
  ws.prefs.highCall = 2;  // only the checked value 1 highlights
  EXPECT_EQ(ArrangementCell(ws, d, 0).colour, kPlainText);
  ws.Stores(d).arrangements.records[1].SetStyleNumber(48);  // the first user Style
  EXPECT_EQ(ArrangementCell(ws, d, 1).text, "A12 Latin" + std::string(11, ' ') + " (U11)U");
}

TEST_F(GridCellsTest, StyleCellsAndColours) {
  EXPECT_EQ(StyleCell(ws, d, 54).text, "U23 Ballad          :4100");
  EXPECT_EQ(StyleCell(ws, d, 48).text, "U11 " + std::string(16, ' ') + ":0");
  EXPECT_EQ(StyleCell(ws, d, 0).text, "P11 PStyle0         ");
  // Style 3 has a blank preset name.
  EXPECT_EQ(Colours(StyleCell, {54, 55, 48, 0, 1, 3}), (std::vector<CellColour>{kCalledText, kUncalledText, kUncalledText,
                                                                                kCalledPresetText, kPresetText, kUncalledText}));
  ws.prefs.highCall = 0;
  EXPECT_EQ(Colours(StyleCell, {54, 0, 48}), (std::vector<CellColour>{kPlainText, kPresetPlainText, kUncalledText}));
  EXPECT_TRUE(StyleCell(ws, d, 1).colour.systemDisabled);
}

TEST_F(GridCellsTest, ProgramCellsAndColours) {
  EXPECT_EQ(ProgramCell(ws, d, 320).text, "D11 Grand Pno ");
  EXPECT_EQ(ProgramCell(ws, d, 5).text, "A16 Prg5      ");
  EXPECT_EQ(ProgramCell(ws, d, 512).text, "Dr1 Kit       ");
  EXPECT_EQ(ProgramCell(ws, d, -1).text, " ");  // beyond the Programs of a Twin View grid
  EXPECT_EQ(Colours(ProgramCell, {320, 321, 322, 5, 6}),
            (std::vector<CellColour>{kCalledText, kUncalledText, kUncalledText, kCalledPresetText, kPresetText}));
  ws.prefs.highCall = 0;
  EXPECT_EQ(Colours(ProgramCell, {320, 5}), (std::vector<CellColour>{kPlainText, kPresetPlainText}));
}

TEST_F(GridCellsTest, FreeEventsOfEachBlock) {
  EXPECT_EQ(FreeEventsCell(ws, d, 0), "15200");
  EXPECT_EQ(FreeEventsCell(ws, d, 1), "11100");
  ws.Stores(d).styles.sizes[4] = kStyleBaseSize + 4 * 12000;  // over the Block's capacity
  EXPECT_EQ(FreeEventsCell(ws, d, 1), "-900");
  EXPECT_EQ(FreeEventsCell(ws, d, 8), "");
  EXPECT_EQ(StyleEventCount(ws.Stores(d).styles, -1), -1);
  EXPECT_EQ(BlockFreeEvents(ws.Stores(d).styles, -1), -1);
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
  EXPECT_EQ(EventFigureTexts(EventMemory{16000, 300, 86, 16386, -2}),
            (std::array<std::string, 5>{"BackSeqs: 64000", "Songs: 1200", "Patterns: 344", "Total: 65544", "Free: -8"}));
  EXPECT_EQ(FormatFigure(0), "0");
}

TEST(GridLayout, RowsAndTwinView) {
  EXPECT_EQ((std::vector<GridShape>{ArrangementGridShape(0, true), ProgramGridShape(0, true), ProgramGridShape(1, false),
                                    ProgramGridShape(2, true), ProgramGridShape(3, true), ProgramGridShape(4, true)}),
            (std::vector<GridShape>{{16, false}, {32, true}, {16, true}, {16, false}, {32, true}, {2, false}}));
  EXPECT_EQ((std::vector<GridShape>{StyleGridShape(0, 3), StyleGridShape(1, 3), StyleGridShape(1, 200)}),
            (std::vector<GridShape>{{12, false}, {3, false}, {8, false}}));
}

// Every item of the bank sits in exactly one cell of a grid of `rows` rows,
// and that cell is where the grid finds it.
template <class At, class CellOf>
void ExpectCellsAndItemsAgree(int bank, int rows, int items, At at, CellOf cellOf) {
  int count = 0;
  for (int row = 0; row <= rows; ++row)
    for (int column = 0; column <= kGridColumns; ++column) {
      const int n = at(bank, row, column);
      if (n < 0) continue;
      ++count;
      EXPECT_EQ(cellOf(bank, rows, n), (CellPosition{row, column})) << bank << " " << n;
    }
  EXPECT_EQ(count, items) << bank << " " << rows;
}

TEST(GridLayout, EveryItemHasOneCell) {
  ExpectCellsAndItemsAgree(0, 16, 64, ArrangementAtCell, CellOfArrangement);
  ExpectCellsAndItemsAgree(0, 12, 48, StyleAtCell, CellOfStyle);
  ExpectCellsAndItemsAgree(1, 8, 32, StyleAtCell, CellOfStyle);
  ExpectCellsAndItemsAgree(0, 32, 128, ProgramAtCell, CellOfProgram);  // Twin View: bank A continues into B
  ExpectCellsAndItemsAgree(1, 16, 64, ProgramAtCell, CellOfProgram);
  ExpectCellsAndItemsAgree(3, 32, 64, ProgramAtCell, CellOfProgram);
  ExpectCellsAndItemsAgree(4, 2, 8, ProgramAtCell, CellOfProgram);
  EXPECT_EQ(ArrangementAtCell(0, 15, 3), 63);
  EXPECT_EQ(StyleAtCell(1, 5, 2), 48 + 22);
  EXPECT_EQ(ProgramAtCell(0, 16, 0), 64);
  EXPECT_EQ(ProgramAtCell(4, 1, 3), 519);
  // Items the grid does not show have no cell.
  EXPECT_FALSE(CellOfProgram(0, 16, 100).Valid());
  EXPECT_FALSE(CellOfStyle(1, 1, 55).Valid());
  EXPECT_FALSE(CellOfArrangement(0, 16, -1).Valid());
}

TEST(GridLayout, WindowSizeHoldsTheWholeGrid) {
  const auto s = SizeDocumentWindow(16, 2925, 240);
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
}

}  // namespace
}  // namespace tolvane
