// The warning about user Styles of one Set that share a name.

#include <algorithm>
#include <array>

#include "editing/duplicate_names.h"
#include "sets/workspace.h"
#include "storage/text.h"
#include "styles/style_accessors.h"
#include "styles/style_edits.h"

namespace tolvane {

bool CheckStyleDuplicateNames(Workspace& ws, int d) {
  if (!DuplicateWarningsOn(ws) || !ws.InUse(d)) return false;
  const StyleSetData& data = ws.Stores(d).styles;
  const int present = std::min(kStylesPerBlock * data.blockCount, kUserStyleCount);
  std::array<std::string, kUserStyleCount> names;
  for (int u = 0; u < present; ++u) names[static_cast<std::size_t>(u)] = TrimBlanks(UserStyleName(data, u));
  auto name = [&](int u) -> const std::string& { return names[static_cast<std::size_t>(u)]; };

  DuplicateNameReport report(ws, "Style");
  for (int i = 1; i < present; ++i) {
    if (name(i).empty()) continue;
    for (int j = 0; j < i; ++j) {
      if (name(j) != name(i)) continue;
      if (!report.Pair(UserStyleLabel(i), UserStyleLabel(j), name(i))) return true;
    }
  }
  return report.Found();
}

}  // namespace tolvane
