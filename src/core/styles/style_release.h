#pragma once
// The question asked before a called user Style is overwritten or cut.

#include "editing/release_question.h"

namespace tolvane {

class Workspace;

// Asks whether the Arrangements and Backing Sequences calling user Style u
// of Set d should call another Style, and redirects them when the user picks
// one. Cancelled abandons the edit; a Style nobody calls is Kept without a
// question.
ReleaseAnswer ConfirmStyleRelease(Workspace& ws, int d, int u);

}  // namespace tolvane
