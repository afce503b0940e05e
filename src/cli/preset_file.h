#pragma once
// The preset names of a tolvane-cli run.

#include <iosfwd>
#include <string>

namespace tolvane {

class Workspace;

// Reads the preset names from path instead of the file beside the program.
// False after a message on err.
bool LoadPresetNamesFrom(Workspace& ws, const std::string& path, std::ostream& err);

}  // namespace tolvane
