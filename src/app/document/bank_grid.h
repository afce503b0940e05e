#pragma once
// A bank grid: fixed cells with per-cell text and text colour on one
// background colour, and one current cell.

#include <QTableWidget>

#include "document/grid_cells.h"

namespace tolvane {

class BankGrid : public QTableWidget {
  Q_OBJECT

 public:
  BankGrid(int columns, QWidget* parent = nullptr);

  // Cell sizes in twips.
  void SetCellSize(int columnWidth, int rowHeight);
  // The grid's size for `rows` rows, every cell visible.
  QSize SizeForRows(int rows) const;

  // Redrawing is off between BeginFill and EndFill.
  void BeginFill(int rows, const QColor& background);
  void SetCell(int row, int column, const QString& text, const QColor& colour);
  void EndFill();

  // Moves the current cell without announcing a user's selection.
  void SelectCellQuietly(int row, int column);

  QString CellText(int row, int column) const;
  QColor CellColour(int row, int column) const;
  QColor Background() const;

 signals:
  // The user moved the current cell (mouse press or keys).
  void cellChosen(int row, int column);

 private:
  int columnWidthPx_ = 0;
  int rowHeightPx_ = 0;
  bool quiet_ = false;
};

}  // namespace tolvane
