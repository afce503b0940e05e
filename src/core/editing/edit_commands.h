#pragma once
// The Edit commands of a document window: each is carried out on the current
// item of the current tab by the routine of that tab's kind, and then
// switches the window's Undo entry by what the routine did.

namespace tolvane {

class Workspace;

// The entries of the Edit menu, in menu order.
enum class EditAction { Undo, Cut, Copy, Paste, Delete, Insert, PasteFromIStyle, Details, EraseBank, Import };

// Runs `command` in Set d's window, whose tab `tab` (0 Arrangements, 1 Styles,
// 2 Programs, 3 Backing Sequences, 4 Songs) is shown with `item` current: the
// number its grid cell carries, or the selected line of a list; -1 for none.
// Undo is offered afterwards only when the command changed the Set and no
// caller was redirected; a command that changed nothing leaves it as it was.
// Returns false, having changed nothing, when the core has no routine for the
// command on that tab (the Details dialogs belong to the window).
bool DispatchEditCommand(Workspace& ws, int d, int tab, int item, EditAction command);

// The undo code of kind 0 to 4 (0 for no kind).
int UndoCodeOf(const Workspace& ws, int kind);
// Forgets the last edit of kind 0 to 4: after an Erase Bank or an import
// nothing of the kind can be taken back.
void ClearUndoRecord(Workspace& ws, int kind);

}  // namespace tolvane
