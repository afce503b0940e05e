#pragma once
// What the grids and lists share about drags: when a left-button press has
// moved far enough to start one, and the accepted or refused drag icon.

#include <QPoint>

#include <optional>

class QDragMoveEvent;
class QMouseEvent;

namespace tolvane {

class DragStart {
 public:
  // A button press; drags start only when `dragsOn`.
  void Press(const QMouseEvent& event, bool dragsOn);
  // Where the press was, once the pointer has moved far enough with the
  // left button down; a drag starts there, once.
  std::optional<QPoint> Moved(const QMouseEvent& event);

 private:
  QPoint at_;
  bool pressed_ = false;  // the left button is down and no drag started yet
};

// Shows the accepted icon for an item of data kind `kind` over a place that
// takes it (`onTarget`), the refused one otherwise.
void AnswerDrag(QDragMoveEvent* event, int kind, bool onTarget);

}  // namespace tolvane
