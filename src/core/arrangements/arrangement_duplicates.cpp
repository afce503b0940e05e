#include "arrangements/arrangement_duplicates.h"

#include <array>

#include "editing/duplicate_names.h"
#include "storage/text.h"
#include "sets/workspace.h"

namespace tolvane {

bool CheckArrangementDuplicateNames(Workspace& ws, int d) {
  if (!DuplicateWarningsOn(ws)) return false;
  const ArrangementSetData& data = ws.Stores(d).arrangements;
  std::array<std::string, kArrangementCount> names;
  for (int i = 0; i < kArrangementCount; ++i) names[static_cast<std::size_t>(i)] = TrimBlanks(ArrangementName(data, i));

  DuplicateNameReport report(ws, "Arrangement");
  for (int i = 1; i < kArrangementCount; ++i) {
    const std::string& name = names[static_cast<std::size_t>(i)];
    if (name.empty()) continue;
    for (int j = 0; j < i; ++j) {
      if (names[static_cast<std::size_t>(j)] != name) continue;
      if (!report.Pair(ArrangementLabel(i), ArrangementLabel(j), name)) return true;
    }
  }
  return report.Found();
}

}  // namespace tolvane
