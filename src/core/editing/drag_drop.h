#pragma once
// Dragging an item from a grid onto a grid of the same kind: within one Set
// the item moves (its callers follow), into another Set it is copied.

#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

// A left-button press on item `item` (the number the cell carries) of kind
// `kind` in Set d. Remembers it as the drag source and returns true when a
// drag starts from it: a named item of a kind whose drops are built.
bool BeginDrag(Workspace& ws, int d, int kind, int item);

enum class DropResult { Ignored, Moved, Copied };

// The drop of `source` on item `targetItem` of the kind-`targetKind` grid
// of Set targetDocument. Ignored when the kinds differ, the target is no
// editable item or is the source itself, or the paste was refused; the
// clipboard then holds the dragged item, and Undo is left as it was.
DropResult DropItem(Workspace& ws, const DragSource& source, int targetDocument, int targetKind, int targetItem);

}  // namespace tolvane
