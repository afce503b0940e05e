// A named item dragged from a grid onto a grid of the same kind moves within
// its Set or is copied into another; the core decides what a drop does.

#include <QComboBox>
#include <QDrag>
#include <QMenu>
#include <QMimeData>

#include "document/bank_grid.h"
#include "document/document_window.h"
#include "document/grid_layout.h"
#include "editing/drag_drop.h"
#include "storage/tables.h"
#include "sets/workspace.h"

namespace tolvane {

void DocumentWindow::ConnectItemDrags() {
  for (const int kind : {kArrangement, kStyle, kProgram}) {
    BankGrid* grid = GridOf(kind);
    grid->EnableItemDrags(kind);
    connect(grid, &BankGrid::dragStarted, this, [this, kind](int row, int column) { StartItemDrag(kind, row, column); });
    connect(grid, &BankGrid::itemDropped, this, [this, kind](int row, int column) { DropOnGrid(kind, row, column); });
    connect(grid, &BankGrid::contextMenuWanted, this, [this](const QPoint& at) {
      if (Alive() && menus_.edit->isEnabled()) menus_.edit->popup(at);
    });
  }
}

BankGrid* DocumentWindow::GridOf(int kind) const {
  switch (kind) {
    case kArrangement: return grdArr;
    case kStyle: return grdSty;
    default: return grdPrg;
  }
}

int DocumentWindow::ItemAtCell(int kind, int row, int column) const {
  switch (kind) {
    case kArrangement: return ArrangementAtCell(cboArrBnk->currentIndex(), row, column);
    case kStyle: return StyleAtCell(cboStyBnk->currentIndex(), row, column);
    default: return ProgramAtCell(cboPrgBnk->currentIndex(), row, column);
  }
}

void DocumentWindow::StartItemDrag(int kind, int row, int column) {
  if (!Alive() || !BeginDrag(ws_, d_, kind, ItemAtCell(kind, row, column))) return;
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(BankGrid::kItemMimeType), QByteArray(1, static_cast<char>(kind)));
  auto* drag = new QDrag(GridOf(kind));
  drag->setMimeData(mime);
  drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
}

void DocumentWindow::DropOnGrid(int kind, int row, int column) {
  if (!Alive()) return;
  GridOf(kind)->setCurrentCell(row, column);  // the target becomes the grid's current item
  DropItem(ws_, ws_.edits.drag, d_, kind, ItemAtCell(kind, row, column));
}

}  // namespace tolvane
