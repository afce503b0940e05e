#pragma once
// What the Edit commands do on the Styles tab: cut, copy, paste, erase bank
// and their undo. Each works on user Style u (0 to 31, -1 for none) of Set d,
// keeps the Arrangements' and Backing Sequences' calls consistent, and keeps
// every Block within its event memory.

#include "editing/edit_outcome.h"

namespace tolvane {

class Workspace;

// Each edit tells what it did: nothing (no item, an empty slot, a refusal or
// a cancelled question leave the Set and the undo record as they were), a
// change, or a change whose reference question redirected callers.

void CopyStyle(Workspace& ws, int d, int u);
// Empties Style u into the clipboard.
EditOutcome CutStyle(Workspace& ws, int d, int u, bool skipReferenceQuestion);
// Writes the clipboard's Style into u when it fits the Block's free events.
// With redirectFromClipSource (a move within the Set) the callers of the
// clipboard's Style follow it. A Style from another Set has its track calls
// found again in Set d.
EditOutcome PasteStyle(Workspace& ws, int d, int u, bool redirectFromClipSource);
// Empties every present user Style of Set d; not undoable (the caller has asked).
void EraseStyleBank(Workspace& ws, int d);
// Takes back the last Style edit, in whichever Set it was made.
void UndoStyleEdit(Workspace& ws);
// Reports pairs of user Styles with equal names; true when one was found.
bool CheckStyleDuplicateNames(Workspace& ws, int d);

}  // namespace tolvane
