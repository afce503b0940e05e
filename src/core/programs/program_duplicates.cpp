#include "programs/program_duplicates.h"

#include <array>

#include "programs/program_numbers.h"
#include "editing/duplicate_names.h"
#include "storage/text.h"
#include "sets/workspace.h"

namespace tolvane {

bool CheckProgramDuplicateNames(Workspace& ws, int d) {
  if (!DuplicateWarningsOn(ws)) return false;
  const ProgramSetData& data = ws.Stores(d).programs;
  std::array<std::string, kUserItemCount> names;
  for (int u = 0; u < kUserItemCount; ++u) names[static_cast<std::size_t>(u)] = TrimBlanks(UserProgramName(data, u));
  auto name = [&](int u) -> const std::string& { return names[static_cast<std::size_t>(u)]; };

  DuplicateNameReport report(ws, "Program");
  for (int i = 1; i < kUserProgramCount; ++i) {
    if (name(i).empty()) continue;
    for (int j = 0; j < i; ++j) {
      if (name(j) != name(i)) continue;
      if (!report.Pair(UserProgramLabel(i), UserProgramLabel(j), name(i))) return true;
    }
  }
  // Drum kits are compared only with each other.
  constexpr int kDr7 = kUserProgramCount, kDr8 = kUserProgramCount + 1;
  if (!name(kDr8).empty() && name(kDr8) == name(kDr7)) report.Pair(UserProgramLabel(kDr8), UserProgramLabel(kDr7), name(kDr8));
  return report.Found();
}

}  // namespace tolvane
