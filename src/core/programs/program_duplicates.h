#pragma once
// The warning about user Programs (and user drum kits) of one Set that share a name.

namespace tolvane {

class Workspace;

// Shows the duplicate names among Set d's 64 user Programs, then between its
// two drum kits, when the "WarnDupl" preference is on. True when any was found.
bool CheckProgramDuplicateNames(Workspace& ws, int d);

}  // namespace tolvane
