#pragma once
// Edit > Import: all items of one kind of a Set are replaced by those of
// another Set's file, once the whole file has been read. Calls from the
// Set's other kinds keep their numbers and now reach the imported items.

#include "editing/edit_outcome.h"

namespace tolvane {

class Workspace;

// Imports kind k (0 to 4, or 7 for the global record) of Set d from a file
// the user chooses. `changed` when the kind was replaced (and marked
// modified); the kind's undo record is then cleared, since it names items
// that are gone. Cancelling changes and shows nothing; a file that cannot be
// opened or read whole shows its messages, the read error once, and changes
// nothing.
EditOutcome ImportWholeKind(Workspace& ws, int d, int k);

}  // namespace tolvane
