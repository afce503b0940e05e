#pragma once
// Dragging an item from a grid or list onto one of the same kind: within one
// Set the item moves (its callers follow), into another Set it is copied.

#include "editing/kind_edits.h"
#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

// A left-button press on item `item` (the number the cell carries, or the
// list line) of kind `kind` in Set d. Remembers it as the drag source and
// returns true when a drag starts from it: a named item of a kind with drops.
bool BeginDrag(Workspace& ws, int d, int kind, int item);

// The drop of `source` on item `targetItem` of the kind-`targetKind` grid or
// list of Set targetDocument. Ignored when the kinds differ, the target is no
// editable item or is the source itself, or the kind's drop refused it; Undo
// is then left as it was. A drop that happened offers Undo unless a
// reference question redirected callers.
DropResult DropItem(Workspace& ws, const DragSource& source, int targetDocument, int targetKind, int targetItem);

}  // namespace tolvane
