#pragma once
// What the Edit commands do on the Programs tab. They work on user item u of
// Set d: 0 to 63 the user Programs D11 to D88, 64 and 65 the user drum kits
// Dr7 and Dr8 (which take part in cut, copy, paste and drag only), -1 none.
// Every call to a Program that moves follows it.

#include "editing/edit_outcome.h"

namespace tolvane {

class Workspace;

// Each edit tells what it did: nothing (no item, an empty slot, a refusal or
// a cancelled question leave the Set and the undo record as they were), a
// change, or a change whose reference question redirected callers.

// Empties item u into the clipboard.
EditOutcome CutProgram(Workspace& ws, int d, int u, bool skipReferenceQuestion);
void CopyProgram(Workspace& ws, int d, int u);
// Writes the clipboard (with its drum-kit data into a drum kit) into item u.
// A drum kit goes only onto Dr7 or Dr8 and a Program only onto D11 to D88:
// anything else is refused with a message, since the kit data would be lost.
// With redirectFromClipSource (a move within the Set) the callers of the
// clipboard's item follow it. The caller checks that the Programs tab is
// the one shown.
EditOutcome PasteProgram(Workspace& ws, int d, int u, bool redirectFromClipSource);
// Removes Program u (0 to 63) into the clipboard; the following ones move up.
EditOutcome DeleteProgram(Workspace& ws, int d, int u);
// Puts the clipboard in at u (0 to 63); the following ones move down and
// D88, pushed out of the bank, becomes the clipboard.
EditOutcome InsertProgram(Workspace& ws, int d, int u);
// Empties the user items of program bank `bank`; not undoable.
void EraseProgramBank(Workspace& ws, int d, int bank);
// Takes back the last Program edit, in whichever Set it was made.
void UndoProgramEdit(Workspace& ws);

}  // namespace tolvane
