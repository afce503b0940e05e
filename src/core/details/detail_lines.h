#pragma once
// What the parameters dialogs share: the rules of their name boxes and lists
// and the lines of their "Programs called" lists. Their work on a Set runs
// guarded (RunGuarded): a failure leaves every Set as it was.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "editing/edit_guard.h"
#include "editing/release_question.h"

namespace tolvane {

class Workspace;

// A line of a "Programs called" list: track name, ": ", program label, a
// blank and program name; the line carries the program number.
struct TrackLine {
  std::string track;  // as the track-name table has it
  int program = -1;
  std::string text;
};

// A name holds printable characters only: no control character (a TAB or a
// line break would split the lines of a report) and none of the five bytes
// Windows-1252 leaves undefined.
bool IsNameCharacter(char c);
// What a name box keeps of the typed text: of its printable characters, the
// first 10 after the leading blanks.
std::string TypedName(std::string_view text);

// The name box of a dialog over an item's stored name. It shows the trimmed
// name; the stored bytes (leading blanks and all) go back unchanged unless the
// user typed over them.
class NameField {
 public:
  NameField() = default;
  explicit NameField(std::string stored);

  const std::string& Shown() const { return shown_; }
  bool Typed() const { return typed_; }
  void Type(std::string_view text);
  // The 10 bytes to store.
  std::string Stored() const;
  // The user cleared a name that was there: storing it empties the item.
  bool Empties() const;

 private:
  std::string stored_, shown_;
  bool typed_ = false;
};

// Before a dialog stores a name that empties a called item: `ask` is the
// kind's release question. False when the user cancels; when the callers were
// sent elsewhere, Set d's Undo is switched off, since no undo record brings
// them back.
bool ReleaseBeforeEmptying(Workspace& ws, int d, const NameField& name, const std::function<ReleaseAnswer()>& ask);
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
