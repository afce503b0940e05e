#pragma once
// The list of Backing Sequences or Songs: one line per item, lines dragged
// onto lines of the same kind, and the right-button menu.

#include <QListWidget>

#include "document/drag_payload.h"
#include "document/drag_start.h"

namespace tolvane {

class SequenceList : public QListWidget {
  Q_OBJECT

 public:
  explicit SequenceList(QWidget* parent = nullptr);

  // Lets items of data kind `kind` be dragged from this list and dropped on it.
  void EnableItemDrags(int kind);
  // The line a drop at height y falls on: y times the number of lines over
  // the list's height, rounded, from 0 to the number of lines (after the last).
  int LineAt(int y) const;

 signals:
  // A left-button drag has started from a line.
  void dragStarted(int line);
  // An item of this list's kind, dragged in this process from a Set or a
  // Library row, was dropped on a line.
  void itemDropped(int line, const tolvane::DragPayload& source);
  // The right button was pressed; the line under the pointer is selected.
  void contextMenuWanted(const QPoint& globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  int itemKind_ = -1;  // -1: no drags
  DragStart dragStart_;
};

}  // namespace tolvane
