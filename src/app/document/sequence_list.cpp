#include "document/sequence_list.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "document/drag_payload.h"

namespace tolvane {

SequenceList::SequenceList(QWidget* parent) : QListWidget(parent) {}

void SequenceList::EnableItemDrags(int kind) {
  itemKind_ = kind;
  setAcceptDrops(true);
  viewport()->setAcceptDrops(true);
  setDropIndicatorShown(false);
}

int SequenceList::LineAt(int y) const {
  const int height = viewport()->height();
  if (count() == 0 || height <= 0) return -1;
  const int line = static_cast<int>(std::lround(static_cast<double>(y) * count() / height));
  return std::clamp(line, 0, count() - 1);
}

void SequenceList::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);  // selects the line first
  pressed_ = event->button() == Qt::LeftButton && itemKind_ >= 0;
  pressPos_ = event->position().toPoint();
  if (event->button() == Qt::RightButton) emit contextMenuWanted(event->globalPosition().toPoint());
}

void SequenceList::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_ && (event->buttons() & Qt::LeftButton) &&
      (event->position().toPoint() - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
    pressed_ = false;
    const QModelIndex line = indexAt(pressPos_);
    if (line.isValid()) emit dragStarted(line.row());
    return;
  }
  QListWidget::mouseMoveEvent(event);
}

void SequenceList::dragEnterEvent(QDragEnterEvent* event) {
  if (PayloadOfKind(event->mimeData(), itemKind_))
    event->acceptProposedAction();
  else
    event->ignore();
}

void SequenceList::dragMoveEvent(QDragMoveEvent* event) {
  if (PayloadOfKind(event->mimeData(), itemKind_))
    event->acceptProposedAction();
  else
    event->ignore();
}

void SequenceList::dropEvent(QDropEvent* event) {
  // A drag from another running editor names a Set of that editor: refused.
  const auto payload = OwnPayloadOfKind(event->mimeData(), itemKind_);
  const int line = LineAt(event->position().toPoint().y());
  if (!payload || line < 0) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  setCurrentRow(line);
  emit itemDropped(line, payload->document, payload->item);
}

}  // namespace tolvane
