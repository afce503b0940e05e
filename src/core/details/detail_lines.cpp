#include "details/detail_lines.h"

#include <algorithm>

#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/text.h"

namespace tolvane {

std::string TypedName(std::string_view text) {
  const std::size_t first = std::min(text.find_first_not_of(' '), text.size());
  return std::string(text.substr(first, kNameWidth));
}

int ListPosition(int stored, int count, int fallback) { return stored >= 0 && stored < count ? stored : fallback; }

TrackLine MakeTrackLine(const Workspace& ws, int d, std::string_view track, int program) {
  const std::string name = ProgramName(ws.presets, ws.Stores(d).programs, program);
  return {std::string(track), program, std::string(track) + ": " + ProgramLabel(program) + " " + name};
}

std::vector<TrackLine> MakeTrackLines(const Workspace& ws, int d, const std::vector<std::string_view>& tracks,
                                      const std::vector<int>& programs) {
  std::vector<TrackLine> lines;
  for (std::size_t t = 0; t < tracks.size() && t < programs.size(); ++t)
    lines.push_back(MakeTrackLine(ws, d, tracks[t], programs[t]));
  return lines;
}

bool ChooseTrackProgram(Workspace& ws, int d, TrackLine& line) {
  const int chosen = ws.ui.SelectProgram(d, line.program, "Select a Program ");
  if (chosen == -1 || chosen == line.program) return false;
  line = MakeTrackLine(ws, d, line.track, chosen);
  return true;
}

}  // namespace tolvane
