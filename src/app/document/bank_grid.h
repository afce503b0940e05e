#pragma once
// A bank grid: fixed cells with per-cell text and text colour on one
// background colour, and one current cell.

#include <QTableWidget>

#include "document/drag_payload.h"
#include "document/drag_start.h"
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
  // Shows `rows` rows. A fixed grid is as high as its rows; a flexible one
  // may be lower, down to a few rows, and then scrolls, its columns sharing
  // the width left beside the scroll bar: a window that must fit a small
  // screen or share it with others keeps every control in sight.
  void SetRows(int rows, bool flexible);
  QSize sizeHint() const override;

  // Redrawing is off between BeginFill and EndFill.
  void BeginFill(int rows, const QColor& background);
  void SetCell(int row, int column, const QString& text, const QColor& colour);
  void EndFill();

  // Moves the current cell without announcing a user's selection.
  void SelectCellQuietly(int row, int column);

  // Lets items of data kind `kind` be dragged from this grid and dropped on it.
  void EnableItemDrags(int kind);

  QString CellText(int row, int column) const;
  QColor CellColour(int row, int column) const;
  QColor Background() const;

 signals:
  // The user moved the current cell (mouse press or keys).
  void cellChosen(int row, int column);
  // A left-button drag has started from a cell.
  void dragStarted(int row, int column);
  // An item of this grid's kind, dragged in this process from a Set or a
  // Library row, was dropped on a cell.
  void itemDropped(int row, int column, const tolvane::DragPayload& source);
  // The right button was pressed; the current cell is already under the pointer.
  void contextMenuWanted(const QPoint& globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int columnWidthPx_ = 0;
  int rowHeightPx_ = 0;
  bool quiet_ = false;
  int itemKind_ = -1;     // -1: no drags
  QSize fullSize_;        // every row shown
  DragStart dragStart_;
};

}  // namespace tolvane
