#pragma once
// What the Edit commands do on the Backing Sequences and Songs tabs: cut,
// copy, paste, delete, insert, erase bank and their undo, on line i (0 to 9)
// of Set d. K is BackingSequenceKind or SongKind (sequence_kinds.h).
//
// Every change moves the event data with its item and lays the offsets out
// again. A change that would need more event memory than is free, or push
// the offsets past 16 bits, is refused with a message; a refused or
// cancelled edit leaves the Set and the kind's records as they were.

#include "editing/edit_outcome.h"

namespace tolvane {

class Workspace;

template <class K>
bool IsSequenceItemEmpty(const Workspace& ws, int d, int i);

// Empties line i into the clipboard; an empty line is left alone.
template <class K>
EditOutcome CutSequenceItem(Workspace& ws, int d, int i);
template <class K>
void CopySequenceItem(Workspace& ws, int d, int i);
// Writes the clipboard into line i; an item from another Set has its calls
// found again in Set d. The caller checks that the kind's tab is shown.
template <class K>
EditOutcome PasteSequenceItem(Workspace& ws, int d, int i);
// Removes line i into the clipboard; the following items move up.
template <class K>
EditOutcome DeleteSequenceItem(Workspace& ws, int d, int i);
// Puts the clipboard in at line i (its calls found again when it comes from
// another Set); the following items move down and the last one, pushed out
// of the list, becomes the clipboard.
template <class K>
EditOutcome InsertSequenceItem(Workspace& ws, int d, int i);
// Empties all 10 items; not undoable (the caller has asked).
template <class K>
EditOutcome EraseSequenceBank(Workspace& ws, int d);
// Takes back the last edit of the kind, in whichever Set it was made. It
// gives back what was there even when other edits have since taken the event
// memory it freed.
template <class K>
void UndoSequenceEdit(Workspace& ws);

}  // namespace tolvane
