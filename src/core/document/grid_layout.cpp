#include "document/grid_layout.h"

#include "arrangements/arrangement_data.h"
#include "programs/program_numbers.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

constexpr int kArrangementBank = 0;
constexpr int kProgramBankA = 0;
constexpr int kProgramBankC = 2;
constexpr int kProgramBankDr = 4;
constexpr int kBankRows = 16;
constexpr int kTwinRows = 32;
constexpr int kDrumKitRows = 2;
constexpr int kPresetStyleRows = 12;
constexpr int kPresetStyleBank = 0;

// Margins around the grid, in twips. They are tight at the sides: a grid of
// four 2925-twip columns has to fit a document window on an 800-pixel screen.
constexpr int kGridBorder = 15;         // each side of the grid
constexpr int kTabSideMargin = 45;      // left and right inside the tab control
constexpr int kSideColumnGap = 60;      // between the grid and the column beside it
constexpr int kTabTopArea = 930;        // tab strip, bank list and gaps above the grid
constexpr int kTabBottomArea = 465;     // the Twin View box and gaps below the grid
constexpr int kWindowSideMargin = 0;    // left and right of the tab control
constexpr int kWindowTopMargin = 60;    // above the tab control
constexpr int kWindowBottomArea = 570;  // the Global buttons below the tab control

int CellIndex(int row, int column) {
  if (row < 0 || column < 0 || column >= kGridColumns) return -1;
  return row * kGridColumns + column;
}

// The cell of `number` among the cells of a grid, scanning what each cell shows.
template <class At>
CellPosition FindCell(int rows, int number, At&& at) {
  if (number < 0) return {};
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kGridColumns; ++c)
      if (at(r, c) == number) return {r, c};
  return {};
}

}  // namespace

GridShape ArrangementGridShape(int bank, bool twinTicked) {
  if (bank == kArrangementBank) return {kBankRows, false};
  return {twinTicked ? kTwinRows : kBankRows, true};
}

GridShape ProgramGridShape(int bank, bool twinTicked) {
  if (bank == kProgramBankC) return {kBankRows, false};
  if (bank == kProgramBankDr) return {kDrumKitRows, false};
  return {twinTicked ? kTwinRows : kBankRows, true};
}

GridShape StyleGridShape(int bank, int blockCount) {
  if (bank == kPresetStyleBank) return {kPresetStyleRows, false};
  if (blockCount < 0) blockCount = 0;
  if (blockCount > kStyleBlockCount) blockCount = kStyleBlockCount;
  return {blockCount, false};
}

int ArrangementAtCell(int bank, int row, int column) {
  const int index = CellIndex(row, column);
  return index < 0 ? -1 : ArrangementNumber(bank, index);
}

int StyleAtCell(int bank, int row, int column) {
  const int index = CellIndex(row, column);
  if (index < 0) return -1;
  if (bank == kPresetStyleBank) return index < kPresetStyleCount ? StyleNumber(bank, index) : -1;
  return index < kUserStyleCount ? StyleNumber(bank, index) : -1;
}

int ProgramAtCell(int bank, int row, int column) {
  const int index = CellIndex(row, column);
  if (index < 0) return -1;
  const int bankSize = 64;
  if (index < bankSize) return ProgramNumber(bank, index);
  // The second half of a Twin View grid: bank A continues into bank B, whose
  // numbers follow on; for the other banks the numbers name no Program.
  if (bank == kProgramBankA) return ProgramNumber(bank + 1, index - bankSize);
  return -1;
}

CellPosition CellOfArrangement(int bank, int rows, int number) {
  return FindCell(rows, number, [&](int r, int c) { return ArrangementAtCell(bank, r, c); });
}

CellPosition CellOfStyle(int bank, int rows, int number) {
  return FindCell(rows, number, [&](int r, int c) { return StyleAtCell(bank, r, c); });
}

CellPosition CellOfProgram(int bank, int rows, int number) {
  return FindCell(rows, number, [&](int r, int c) { return ProgramAtCell(bank, r, c); });
}

DocumentWindowSize SizeDocumentWindow(int rows, int columnWidth, int rowHeight, int sideColumnWidth) {
  if (rows < 0) rows = 0;
  DocumentWindowSize s;
  s.gridWidth = kGridColumns * columnWidth + 2 * kGridBorder;
  s.gridHeight = rows * rowHeight + 2 * kGridBorder;
  const int side = sideColumnWidth > 0 ? kSideColumnGap + sideColumnWidth + 2 * kGridBorder : 0;
  s.tabWidth = kTabSideMargin + s.gridWidth + side + kTabSideMargin;
  s.tabHeight = kTabTopArea + s.gridHeight + kTabBottomArea;
  s.windowWidth = kWindowSideMargin + s.tabWidth + kWindowSideMargin;
  s.windowHeight = kWindowTopMargin + s.tabHeight + kWindowBottomArea;
  return s;
}

int TwipsToPixels(int twips) {
  if (twips <= 0) return 0;
  return (twips + kTwipsPerPixel - 1) / kTwipsPerPixel;
}

}  // namespace tolvane
