#include "document/drag_start.h"

#include <QApplication>
#include <QDragMoveEvent>
#include <QMouseEvent>

#include "document/drag_payload.h"

namespace tolvane {

void DragStart::Press(const QMouseEvent& event, bool dragsOn) {
  pressed_ = dragsOn && event.button() == Qt::LeftButton;
  at_ = event.position().toPoint();
}

std::optional<QPoint> DragStart::Moved(const QMouseEvent& event) {
  if (!pressed_ || !(event.buttons() & Qt::LeftButton) ||
      (event.position().toPoint() - at_).manhattanLength() < QApplication::startDragDistance())
    return std::nullopt;
  pressed_ = false;
  return at_;
}

void AnswerDrag(QDragMoveEvent* event, int kind, bool onTarget) {
  if (onTarget && PayloadOfKind(event->mimeData(), kind))
    event->acceptProposedAction();
  else
    event->ignore();
}

}  // namespace tolvane
