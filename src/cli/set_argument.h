#pragma once
#include <string>

namespace tolvane {

// A Set named on the command line: its path without extension, or the path
// of any one of its five files; IMAGE::NAME for a Set in a disk image.
std::string SetPathFromArgument(const std::string& argument);
// The folder of the running executable (see DataFolder for the data files).
std::string ExecutableFolder(const char* argv0);

}  // namespace tolvane
