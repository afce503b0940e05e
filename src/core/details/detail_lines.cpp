#include "details/detail_lines.h"

#include <utility>

#include "editing/undo_state.h"
#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/text.h"

namespace tolvane {

bool IsNameCharacter(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x20 && b != 0x7F && b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D;
}

std::string TypedName(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (IsNameCharacter(c) && (c != ' ' || !kept.empty()) && kept.size() < kNameWidth) kept.push_back(c);
  return kept;
}

NameField::NameField(std::string stored) : stored_(std::move(stored)), shown_(TrimBlanks(stored_)) {}

void NameField::Type(std::string_view text) {
  shown_ = TypedName(text);
  typed_ = true;
}

std::string NameField::Stored() const { return typed_ ? PadOrCut(shown_, kNameWidth) : stored_; }

bool NameField::Empties() const { return typed_ && TrimBlanks(shown_).empty() && !TrimBlanks(stored_).empty(); }

bool ReleaseBeforeEmptying(Workspace& ws, int d, const NameField& name, const std::function<ReleaseAnswer()>& ask) {
  if (!name.Empties()) return true;
  const ReleaseAnswer answer = ask();
  if (answer == ReleaseAnswer::Redirected) SetUndoAvailable(ws, d, false);
  return answer != ReleaseAnswer::Cancelled;
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
