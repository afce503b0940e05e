// Dragging items between bank grids, and the right-button menu.

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>

#include "document/bank_grid.h"
#include "document/drag_payload.h"
#include "document/drag_start.h"

namespace tolvane {

void BankGrid::EnableItemDrags(int kind) {
  itemKind_ = kind;
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDropIndicatorShown(false);
}

void BankGrid::mousePressEvent(QMouseEvent* event) {
  QTableWidget::mousePressEvent(event);  // moves the current cell first
  dragStart_.Press(*event, itemKind_ >= 0);
  if (event->button() == Qt::RightButton) emit contextMenuWanted(event->globalPosition().toPoint());
}

void BankGrid::mouseMoveEvent(QMouseEvent* event) {
  if (const auto pressed = dragStart_.Moved(*event)) {
    const QModelIndex cell = indexAt(*pressed);
    if (cell.isValid()) emit dragStarted(cell.row(), cell.column());
    return;
  }
  QTableWidget::mouseMoveEvent(event);
}

void BankGrid::dragEnterEvent(QDragEnterEvent* event) { AnswerDrag(event, itemKind_, true); }

void BankGrid::dragMoveEvent(QDragMoveEvent* event) {
  AnswerDrag(event, itemKind_, indexAt(event->position().toPoint()).isValid());
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
  emit itemDropped(cell.row(), cell.column(), *payload);
}

}  // namespace tolvane
