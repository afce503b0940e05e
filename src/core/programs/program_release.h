#pragma once
// The question asked before a called user Program is overwritten, cut or deleted.

namespace tolvane {

class Workspace;

// Asks whether the callers of user item u (0 to 65) of Set d should call
// another Program, and redirects them when the user picks one. False when the
// user cancels (the edit is abandoned).
bool ConfirmProgramRelease(Workspace& ws, int d, int u);

}  // namespace tolvane
