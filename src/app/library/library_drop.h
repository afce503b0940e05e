#pragma once
// A Library row dropped on a cell or line of an open Set: the item is copied
// from its Set as a drop from another open Set is.

#include "editing/kind_edits.h"

namespace tolvane {

struct DragPayload;
class Workspace;

// Reads the row's Set into a slot of its own (its messages shown as at any
// opening), drops the item as DropItem does (calls found by name, the same
// questions, the same Undo) and frees the slot again. An item that is no
// longer what the Library read is refused with a message.
DropResult DropLibraryItem(Workspace& ws, const DragPayload& source, int targetDocument, int targetKind,
                           int targetItem);

}  // namespace tolvane
