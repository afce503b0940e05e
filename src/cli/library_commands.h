#pragma once
// The commands of tolvane-cli over a collection of Sets, or two Sets. Each
// returns the process exit status.

#include <string>
#include <vector>

namespace tolvane {

struct CliContext;

// One line per difference between the two Sets; 0 when they hold the same
// items, 1 when they differ, 2 when one cannot be read.
int DiffCommand(CliContext& cx, const std::string& setA, const std::string& setB);
// The items of the places whose name contains `text` (any case), of kind
// `kind` or of every kind (-1), one a line: Set, kind, label, name, and the
// Style an Arrangement or Backing Sequence calls, tab-separated. 0 when an
// item was found, 1 when none, 2 when a Set or place could not be read
// (named on standard error with the reason; the others are still listed).
int FindCommand(CliContext& cx, int kind, const std::string& text, const std::vector<std::string>& places);
// The groups of identical items (or, with sameName, of items sharing a name
// with different contents), an empty line between groups. 0, or 2 as above.
int DuplicatesCommand(CliContext& cx, bool sameName, const std::vector<std::string>& places);

}  // namespace tolvane
