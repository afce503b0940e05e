#pragma once
// The shape of the bank grids of a document window: how many rows each bank
// shows, which item sits in which cell, when the Twin View box is offered,
// and how large the window must be for a grid to be fully visible. Sizes are
// in twips (1/1440 inch; 15 twips make one pixel at 96 dots per inch).

namespace tolvane {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kGridColumns = 4;
inline constexpr int kGridColumnWidth = 2925;   // arrangement and program grids, lists
inline constexpr int kStyleColumnWidth = 2730;  // narrower, to leave room for the free-event column
inline constexpr int kGridRowHeight = 240;
inline constexpr int kSequenceListRows = 12;
inline constexpr int kFreeEventColumnWidth = 630;

struct GridShape {
  int rows = 16;
  bool twinViewShown = false;
  bool operator==(const GridShape&) const = default;
};

// Arrangements have one bank, so their Twin View box never shows.
GridShape ArrangementGridShape(int bank, bool twinTicked);
// Bank C 16 rows, Dr 2 rows, A, B and D 16 or 32 with Twin View ticked.
GridShape ProgramGridShape(int bank, bool twinTicked);
// The preset bank 12 rows (48 Styles), the user bank one row per Block read.
GridShape StyleGridShape(int bank, int blockCount);

// The item number shown in a cell, -1 when the cell shows no item. With
// Twin View, bank A's rows 16 to 31 show bank B; other banks show nothing there.
int ArrangementAtCell(int bank, int row, int column);
int StyleAtCell(int bank, int row, int column);
int ProgramAtCell(int bank, int row, int column);

struct CellPosition {
  int row = -1;
  int column = -1;
  bool Valid() const { return row >= 0 && column >= 0; }
  bool operator==(const CellPosition&) const = default;
};
// Where a grid of bank with `rows` rows shows the item; invalid when it does not.
CellPosition CellOfArrangement(int bank, int rows, int number);
CellPosition CellOfStyle(int bank, int rows, int number);
CellPosition CellOfProgram(int bank, int rows, int number);

// Sizes for a grid of 4 columns of columnWidth and `rows` rows of rowHeight,
// with an optional column beside it (the free events of Styles).
struct DocumentWindowSize {
  int gridWidth = 0;  // the grid with its border
  int gridHeight = 0;
  int tabWidth = 0;  // the tab control holding it
  int tabHeight = 0;
  int windowWidth = 0;  // the inside of the document window
  int windowHeight = 0;
};
DocumentWindowSize SizeDocumentWindow(int rows, int columnWidth, int rowHeight, int sideColumnWidth = 0);

// Whole pixels, rounded up so that nothing sized in twips is clipped.
int TwipsToPixels(int twips);

}  // namespace tolvane
