#pragma once
// The warning about Arrangements of one Set that share a name.

namespace tolvane {

class Workspace;

// Shows the duplicate names of Set d's Arrangements when the "WarnDupl"
// preference is on. True when at least one pair was found.
bool CheckArrangementDuplicateNames(Workspace& ws, int d);

}  // namespace tolvane
