// A named item dragged from a grid or list onto one of the same kind moves
// within its Set or is copied into another; the core decides what a drop does.

#include <QComboBox>
#include <QDrag>
#include <QMenu>
#include <QMimeData>

#include "document/bank_grid.h"
#include "document/document_window.h"
#include "document/drag_payload.h"
#include "document/grid_layout.h"
#include "document/sequence_list.h"
#include "editing/drag_drop.h"
#include "library/library_drop.h"
#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

void DocumentWindow::ConnectItemDrags() {
  auto popup = [this](const QPoint& at) {
    if (Alive() && menus_.edit->isEnabled()) menus_.edit->popup(at);
  };
  for (const int kind : {kArrangement, kStyle, kProgram}) {
    BankGrid* grid = GridOf(kind);
    grid->EnableItemDrags(kind);
    connect(grid, &BankGrid::dragStarted, this,
            [this, kind, grid](int row, int column) { StartItemDrag(kind, ItemAtCell(kind, row, column), grid); });
    connect(grid, &BankGrid::itemDropped, this, [this, kind, grid](int row, int column, const DragPayload& source) {
      grid->setCurrentCell(row, column);  // the target becomes the grid's current item
      DropOn(kind, ItemAtCell(kind, row, column), source);
    });
    connect(grid, &BankGrid::contextMenuWanted, this, popup);
  }
  for (const int kind : {kBackingSequence, kSong}) {
    SequenceList* list = kind == kBackingSequence ? lstBsq : lstSng;
    list->EnableItemDrags(kind);
    connect(list, &SequenceList::dragStarted, this, [this, kind, list](int line) { StartItemDrag(kind, line, list); });
    connect(list, &SequenceList::itemDropped, this,
            [this, kind](int line, const DragPayload& source) { DropOn(kind, line, source); });
    connect(list, &SequenceList::contextMenuWanted, this, popup);
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

void DocumentWindow::StartItemDrag(int kind, int item, QWidget* from) {
  if (!Alive() || !BeginDrag(ws_, d_, kind, item)) return;
  auto* drag = new QDrag(from);
  drag->setMimeData(MakeDragMime(d_, kind, item));
  drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
  // The drag is over, dropped or not: nothing may act on it any more.
  ws_.edits.drag = DragSource{};
}

void DocumentWindow::DropOn(int kind, int targetItem, const DragPayload& source) {
  if (!Alive()) return;
  if (!source.setPath.empty())
    DropLibraryItem(ws_, source, d_, kind, targetItem);
  else
    DropItem(ws_, DragSource{source.document, kind, source.item}, d_, kind, targetItem);
  emit dropped(d_);
}

}  // namespace tolvane
