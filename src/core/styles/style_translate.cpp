#include "styles/style_translate.h"
#include "sets/set_caption.h"

#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

enum class TrackAnswer { Keep, Redirect, Abandon };

// Asks where a track whose Program the destination lacks should go.
TrackAnswer AskForTrack(Workspace& ws, int destination, const std::string& track, const std::string& style,
                        const std::string& program, int& chosen) {
  const std::string text = "Track '" + TrimBlanks(track) + "' of Style '" + TrimBlanks(style) +
                           "' calls Program '" + TrimBlanks(program) + "' non-existent in '" +
                           SetNameInMessages(ws, destination) + "'\r\n\r\nRedirect this track to an existing Program?";
  switch (ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, "", text})) {
    case MsgResult::Cancel: return TrackAnswer::Abandon;
    case MsgResult::Yes:
      chosen = ws.ui.SelectProgram(destination, 0, "Select a Program for track '" + track + "'");
      return chosen == -1 ? TrackAnswer::Abandon : TrackAnswer::Redirect;
    default: return TrackAnswer::Keep;
  }
}

}  // namespace

bool TranslateStyleProgramCalls(Workspace& ws, int source, int destination, int u) {
  // Without its source Set a Style's calls cannot be looked up by name.
  if (!ws.InUse(source) || !ws.InUse(destination) || UserStyleNumber(u) < 0 ||
      ws.Stores(destination).styles.present[static_cast<std::size_t>(u)] == 0)
    return true;
  const ProgramSetData& from = ws.Stores(source).programs;
  const ProgramSetData& to = ws.Stores(destination).programs;
  StyleHeader& header = ws.Stores(destination).styles.headers[static_cast<std::size_t>(u)];
  StyleHeader copy = header;
  for (int t = 0; t < kStyleTracks; ++t) {
    const int p = copy.TrackProgram(t);
    if (UserIndexOfProgram(p) < 0) continue;  // preset Programs are the same in every Set
    const std::string program = ProgramName(ws.presets, from, p);
    int found = FindUserProgramByName(to, program, UserIndexOfProgram(p) >= kUserProgramCount);
    if (found < 0) {
      const std::string track(kArrangementTrackNames[static_cast<std::size_t>(t)]);
      const TrackAnswer answer = AskForTrack(ws, destination, track, copy.Name(), program, found);
      if (answer == TrackAnswer::Abandon) return false;
      if (answer == TrackAnswer::Keep) continue;
    }
    copy.SetTrackProgram(t, static_cast<std::int16_t>(found));
  }
  if (!(copy == header)) {
    header = copy;
    ws.MarkModified(destination, kStyle);
  }
  return true;
}

}  // namespace tolvane
