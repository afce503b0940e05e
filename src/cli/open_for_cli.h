#pragma once
// Opening a Set named on the command line.

#include <string>

namespace tolvane {

struct CliContext;

// Opens the Set quietly; 0 when it cannot be read whole (the reason is on
// standard error, after the Set's path).
int OpenForCli(CliContext& cx, const std::string& setPath);

}  // namespace tolvane
