#pragma once
// The sections of a Set report that list, for every user Program, Style and
// Arrangement, the items that call it.

#include <functional>
#include <string>
#include <vector>

namespace tolvane {

class Workspace;

// label + ": " + the callers joined by ", ", ten on the first line and eleven
// on each following line, which starts with 5 blanks.
std::string CallerLines(const std::string& label, const std::vector<std::string>& callers);

// `examined` runs once for each of the 66 user Programs, for the progress bar.
std::string ProgramCallsSection(const Workspace& ws, int d, const std::string& setName,
                                const std::function<void()>& examined = {});
std::string StyleCallsSection(const Workspace& ws, int d, const std::string& setName);
// "None" on a line of its own when no user Arrangement is called.
std::string ArrangementCallsSection(const Workspace& ws, int d, const std::string& setName);

}  // namespace tolvane
