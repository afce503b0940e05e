#pragma once
// Edit > Paste from IStyle: one item is loaded from an IStyle file the user
// chooses into the kind's clipboard, as coming from no Set, and pasted into
// the current slot exactly as a Paste would (with its reference question and
// capacity check). The clipboard keeps the item, so Paste repeats it.

#include "editing/edit_outcome.h"

namespace tolvane {

class Workspace;

// Each loads into item n (the arrangement number, the user Style 0 to 31,
// the user Program 0 to 63 from ".IPF" or drum kit 64, 65 from ".IDK") of
// Set d and tells what the paste did; after a paste that happened, the
// kind's duplicate-name check runs. Cancelling the dialog ends silently; a
// file that cannot be read shows "Error getting " + the kind's name + " data."
EditOutcome ImportArrangementFromIStyle(Workspace& ws, int d, int n);
// An ".ISF" whose data part is longer than a Block's event memory (60800
// bytes) is refused as unreadable.
EditOutcome ImportStyleFromIStyle(Workspace& ws, int d, int u);
EditOutcome ImportProgramFromIStyle(Workspace& ws, int d, int u);

// The routine of kind 0 to 2 for its user item u; nothing for another kind.
EditOutcome ImportItemFromIStyle(Workspace& ws, int d, int kind, int u);

}  // namespace tolvane
