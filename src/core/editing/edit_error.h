#pragma once
// The message of an edit that failed half way: the Set may hold part of it.

#include <string>

namespace tolvane {

class Workspace;

// "Error editing " + kind name + " data.", the detail line and the warning
// not to save the Set, in a critical box titled "Error".
void ShowEditError(Workspace& ws, int kind, const std::string& detail);

}  // namespace tolvane
