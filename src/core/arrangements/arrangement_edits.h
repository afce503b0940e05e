#pragma once
// What the Edit commands do on the Arrangements tab: cut, copy, paste,
// delete, insert, erase bank and their undo. Each works on Arrangement
// number n (0 to 63, -1 for none) of Set d and keeps the Backing Sequences'
// calls consistent.

#include "editing/edit_outcome.h"

namespace tolvane {

class Workspace;

// Each edit tells what it did: nothing (no item, an empty slot, a refusal or
// a cancelled question leave the Set and the undo record as they were), a
// change, or a change whose reference question redirected callers.

// Empties Arrangement n into the clipboard.
EditOutcome CutArrangement(Workspace& ws, int d, int n, bool skipReferenceQuestion);
void CopyArrangement(Workspace& ws, int d, int n);
// Writes the clipboard into Arrangement n. With redirectFromClipSource (a
// move within the Set) the callers of the clipboard's Arrangement follow it.
// A clipboard from another Set has its calls found again in Set d. The
// caller checks that the Arrangements tab is the one shown.
EditOutcome PasteArrangement(Workspace& ws, int d, int n, bool redirectFromClipSource);
// Removes Arrangement n into the clipboard; the following ones move up.
EditOutcome DeleteArrangement(Workspace& ws, int d, int n);
// Puts the clipboard in at n; the following ones move down and the last
// one, pushed out of the bank, becomes the clipboard.
EditOutcome InsertArrangement(Workspace& ws, int d, int n);
// Empties every Arrangement; not undoable (the caller has asked).
void EraseArrangementBank(Workspace& ws, int d);
// Takes back the last Arrangement edit, in whichever Set it was made.
void UndoArrangementEdit(Workspace& ws);

}  // namespace tolvane
