#pragma once
// The collection of 1000 Sets that the subset and library benchmarks read:
// half copies of the demo Set, half of the template, in one folder, with a
// workspace set up over the shipped data.

#include <string>
#include <vector>

#include "console_ui.h"
#include "sets/workspace.h"

namespace tolvane::bench {

inline constexpr int kCollectionSets = 1000;

struct SetCollection {
  SetCollection();
  ~SetCollection();
  std::string folder;  // holds the Sets, and program/ with the data
  std::string setsFolder;
  std::vector<std::string> sets;
  ConsoleUi ui;
  Workspace ws{ui, ui};
};

// Made once, on first use.
SetCollection& SharedCollection();
// Reads the five files of every Set of the collection with plain file calls.
void ReadCollectionPlain(const SetCollection& c);

}  // namespace tolvane::bench
