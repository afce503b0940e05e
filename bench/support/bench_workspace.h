#pragma once
// The workspace the core benchmarks share: the program's tables and preset
// names loaded from the scratch program folder, its scratch file there too,
// the maximal Set's files beside it, and no Set open.

#include "maximal_set_files.h"
#include "quiet_ui.h"
#include "sets/workspace.h"

namespace tolvane::bench {

struct BenchWorkspace {
  BenchWorkspace();
  MaximalSetFiles files{"tolvane-bench"};
  QuietUi ui;
  Workspace ws{ui, ui};
};

// Made on first use, for the whole run.
BenchWorkspace& SharedWorkspace();

}  // namespace tolvane::bench
