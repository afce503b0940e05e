#pragma once
// What the Edit menu may offer for a kind, read from the shared edit records
// without changing them.

namespace tolvane {

class Workspace;

// Whether the undo record of kind 0 to 4 holds an edit that Undo can take
// back: an undoable code whose Set (and, for a cut or a move, whose
// clipboard Set) is still open.
bool HasUndoRecord(const Workspace& ws, int kind);
// Whether the clipboard of kind 0 to 4 holds an item to paste: it was
// filled, and the Set it came from has not been closed since.
bool ClipboardHolds(const Workspace& ws, int kind);

}  // namespace tolvane
