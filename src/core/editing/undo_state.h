#pragma once
// The Undo entry of a document window and the undo codes that depend on the
// clipboard.

#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

// Switches the Undo entry of Set d's window ("&Undo" or "Can't Undo").
void SetUndoAvailable(Workspace& ws, int d, bool available);

// The clipboard of a kind has been filled anew without an undoable edit (a
// Copy, or a drag that ended in nothing). An undone cut or move would write
// the new content back instead of the item it took, so they are given up.
template <class Clip>
void ClipboardRefilled(KindRecords<Clip>& records) {
  if (records.undo.operation == kUndoCut || records.undo.operation == kUndoMove)
    records.undo.operation = kUndoNothing;
}

}  // namespace tolvane
