#pragma once
// The report commands of tolvane-cli. Each returns the process exit status.

#include <string>
#include <vector>

namespace tolvane {

struct CliContext;

// The Set report of one Set, as the report window shows it, with `date` in
// its heading.
int ReportCommand(CliContext& cx, const std::string& set, const std::string& date);
// One header row of kind 0 (Arrangements), 1 (Styles) or 2 (Programs), then
// the rows of each Set in the order given. A Set that cannot be read is
// named on standard error and left out; the status is then 2.
int SubsetCommand(CliContext& cx, int kind, const std::vector<std::string>& sets);

}  // namespace tolvane
