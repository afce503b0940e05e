#pragma once
// What the Edit commands do on the Programs tab. They work on user item u of
// Set d: 0 to 63 the user Programs D11 to D88, 64 and 65 the user drum kits
// Dr7 and Dr8 (which take part in cut, copy, paste and drag only), -1 none.
// Every call to a Program that moves follows it.

namespace tolvane {

class Workspace;

// Empties item u into the clipboard. False when nothing was cut.
bool CutProgram(Workspace& ws, int d, int u, bool skipReferenceQuestion);
void CopyProgram(Workspace& ws, int d, int u);
// Writes the clipboard (with its drum-kit data into a drum kit) into item u.
// With redirectFromClipSource (a move within the Set) the callers of the
// clipboard's item follow it. The caller checks that the Programs tab is
// the one shown.
bool PasteProgram(Workspace& ws, int d, int u, bool redirectFromClipSource);
// Removes Program u (0 to 63) into the clipboard; the following ones move up.
bool DeleteProgram(Workspace& ws, int d, int u);
// Puts the clipboard in at u (0 to 63); the following ones move down and
// D88, pushed out of the bank, becomes the clipboard.
bool InsertProgram(Workspace& ws, int d, int u);
// Empties the user items of program bank `bank`; not undoable.
void EraseProgramBank(Workspace& ws, int d, int bank);
// Takes back the last Program edit, in whichever Set it was made.
void UndoProgramEdit(Workspace& ws);

}  // namespace tolvane
