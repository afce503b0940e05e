#pragma once
// Moving one Arrangement between a Set and a transfer record.

#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

// Copies Arrangement number of Set d into the clip; a number outside 0 to 63
// does nothing.
void CopyArrangementToClip(ArrangementClip& clip, const Workspace& ws, int d, int number);
// Overwrites Arrangement number of Set d with the clip's item and marks the
// Set's Arrangements modified. Returns the clip's source number; -1 (nothing
// written) for a number outside 0 to 63.
int PasteClipToArrangement(const ArrangementClip& clip, Workspace& ws, int d, int number);

}  // namespace tolvane
