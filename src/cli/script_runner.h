#pragma once
// Carrying out a checked script on a workspace.

#include <ostream>
#include <vector>

#include "script.h"

namespace tolvane {

class ScriptUi;
class Workspace;

// Exit status: 0 when every line ran and no Set is left modified; 1 when a
// question found no answer, a Set could not be opened or saved, or a Set is
// left modified at the end (it is named on `err` and not saved).
int RunScript(Workspace& ws, ScriptUi& ui, const std::vector<ScriptCommand>& commands);

}  // namespace tolvane
