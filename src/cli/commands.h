#pragma once
// The commands of tolvane-cli. Each returns the process exit status.

#include <iosfwd>
#include <string>
#include <vector>

#include "console_ui.h"
#include "sets/workspace.h"

namespace tolvane {

struct CliContext {
  Workspace& ws;
  ConsoleUi& ui;
  std::ostream& out;
  std::ostream& err;
};

int InfoCommand(CliContext& cx, const std::string& set);
int CheckCommand(CliContext& cx, const std::vector<std::string>& sets);
int ResaveCommand(CliContext& cx, const std::string& set, const std::string& destination);
// Each disk image's Sets with their Block count and free event memory, and
// the image's free space.
int ListCommand(CliContext& cx, const std::vector<std::string>& images);

}  // namespace tolvane
