#include "document/sequence_list.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "document/drag_payload.h"
#include "document/drag_start.h"

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
  // The lower half of the last line is the place after it.
  return std::clamp(line, 0, count());
}

void SequenceList::mousePressEvent(QMouseEvent* event) {
  QListWidget::mousePressEvent(event);  // selects the line first
  dragStart_.Press(*event, itemKind_ >= 0);
  if (event->button() == Qt::RightButton) emit contextMenuWanted(event->globalPosition().toPoint());
}

void SequenceList::mouseMoveEvent(QMouseEvent* event) {
  if (const auto pressed = dragStart_.Moved(*event)) {
    const QModelIndex line = indexAt(*pressed);
    if (line.isValid()) emit dragStarted(line.row());
    return;
  }
  QListWidget::mouseMoveEvent(event);
}

void SequenceList::dragEnterEvent(QDragEnterEvent* event) { AnswerDrag(event, itemKind_, true); }

void SequenceList::dragMoveEvent(QDragMoveEvent* event) { AnswerDrag(event, itemKind_, true); }

void SequenceList::dropEvent(QDropEvent* event) {
  // A drag from another running editor names a Set of that editor: refused.
  const auto payload = OwnPayloadOfKind(event->mimeData(), itemKind_);
  const int line = LineAt(event->position().toPoint().y());
  if (!payload || line < 0) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  setCurrentRow(std::min(line, count() - 1));
  emit itemDropped(line, *payload);
}

}  // namespace tolvane
