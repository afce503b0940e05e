// Dragging items between bank grids, and the right-button menu.

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "document/bank_grid.h"
#include "document/drag_payload.h"

namespace tolvane {

namespace {

// Only items of the grid's own kind may fall on it.
bool Accepts(const QMimeData* mime, int kind) { return PayloadOfKind(mime, kind).has_value(); }

}  // namespace

void BankGrid::EnableItemDrags(int kind) {
  itemKind_ = kind;
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDropIndicatorShown(false);
}

void BankGrid::mousePressEvent(QMouseEvent* event) {
  QTableWidget::mousePressEvent(event);  // moves the current cell first
  pressed_ = event->button() == Qt::LeftButton && itemKind_ >= 0;
  pressPos_ = event->position().toPoint();
  if (event->button() == Qt::RightButton) emit contextMenuWanted(event->globalPosition().toPoint());
}

void BankGrid::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_ && (event->buttons() & Qt::LeftButton) &&
      (event->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
    pressed_ = false;
    const QModelIndex cell = indexAt(pressPos_);
    if (cell.isValid()) emit dragStarted(cell.row(), cell.column());
    return;
  }
  QTableWidget::mouseMoveEvent(event);
}

void BankGrid::dragEnterEvent(QDragEnterEvent* event) {
  if (Accepts(event->mimeData(), itemKind_))
    event->acceptProposedAction();
  else
    event->ignore();
}

void BankGrid::dragMoveEvent(QDragMoveEvent* event) {
  if (Accepts(event->mimeData(), itemKind_) && indexAt(event->position().toPoint()).isValid())
    event->acceptProposedAction();
  else
    event->ignore();
}

void BankGrid::dropEvent(QDropEvent* event) {
  const QModelIndex cell = indexAt(event->position().toPoint());
  // A drag from another running editor names a Set of that editor: refused.
  const auto payload = OwnPayloadOfKind(event->mimeData(), itemKind_);
  if (!payload || !cell.isValid()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  emit itemDropped(cell.row(), cell.column(), payload->document, payload->item);
}

}  // namespace tolvane
