#pragma once
// The question asked before a called user Program is overwritten, cut or deleted.

#include "editing/release_question.h"

namespace tolvane {

class Workspace;

// Asks whether the callers of user item u (0 to 65) of Set d should call
// another Program, and redirects them when the user picks one. Cancelled
// abandons the edit; a Program nobody calls is Kept without a question.
ReleaseAnswer ConfirmProgramRelease(Workspace& ws, int d, int u);

}  // namespace tolvane
