#pragma once
// What the parameters dialogs share: the rules of their name boxes and lists
// and the lines of their "Programs called" lists. Their work on a Set runs
// guarded (RunGuarded): a failure leaves every Set as it was.

#include <string>
#include <string_view>
#include <vector>

#include "editing/edit_guard.h"

namespace tolvane {

class Workspace;

// A line of a "Programs called" list: track name, ": ", program label, a
// blank and program name; the line carries the program number.
struct TrackLine {
  std::string track;  // as the track-name table has it
  int program = -1;
  std::string text;
};

// What a name box keeps of the typed text: its first 10 characters after the
// leading blanks.
std::string TypedName(std::string_view text);
// A stored value that is a valid position of a list of `count` entries
// selects it; any other selects `fallback`.
int ListPosition(int stored, int count, int fallback = 0);

TrackLine MakeTrackLine(const Workspace& ws, int d, std::string_view track, int program);
std::vector<TrackLine> MakeTrackLines(const Workspace& ws, int d, const std::vector<std::string_view>& tracks,
                                      const std::vector<int>& programs);
// The program selection of Set d preset on the line's Program. The line is
// rewritten and true returned when another Program was chosen.
bool ChooseTrackProgram(Workspace& ws, int d, TrackLine& line);

}  // namespace tolvane
