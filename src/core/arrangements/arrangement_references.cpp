#include "arrangements/arrangement_references.h"
#include "sets/set_caption.h"

#include "arrangements/arrangement_calls.h"
#include "programs/program_numbers.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "editing/release_question.h"
#include "sets/workspace.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

MsgResult AskYesNoCancel(Workspace& ws, const std::string& text) {
  return ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, "", text});
}

}  // namespace

ReleaseAnswer AskRedirectArrangementReferences(Workspace& ws, int d, int n) {
  if (ArrangementReferences(ws, d, n) == 0) return ReleaseAnswer::Kept;
  const std::string text = TrimBlanks(ArrangementName(ws.Stores(d).arrangements, n)) +
                           " Arrangement is referenced by\r\none or more Backing Sequences.\r\n"
                           "Change references to another Arrangement?";
  return AskToRedirectCallers(
      ws, text, n, [&] { return ws.ui.SelectArrangement(d, n, "Select an Arrangement"); },
      [&](int chosen) { RedirectArrangementReferences(ws, d, n, chosen); });
}

bool ResolvePastedArrangementCalls(Workspace& ws, int source, int destination, int n) {
  if (CheckArrangementNumber(n) < 0 || !ws.InUse(destination)) return true;
  ArrangementRecord& record = ws.Stores(destination).arrangements.records[static_cast<std::size_t>(n)];
  ArrangementRecord copy = record;
  if (!ResolveArrangementCalls(ws, source, destination, copy)) return false;
  record = copy;
  ws.MarkModified(destination, kArrangement);
  return true;
}

bool ResolveArrangementCalls(Workspace& ws, int source, int destination, ArrangementRecord& record) {
  // Without its source Set an Arrangement's calls cannot be looked up by name.
  if (!ws.InUse(source) || !ws.InUse(destination)) return true;
  const SetStores& from = ws.Stores(source);
  const SetStores& to = ws.Stores(destination);
  ArrangementRecord copy = record;
  const std::string arrangementName = TrimBlanks(copy.Name());
  const std::string caption = SetNameInMessages(ws, destination);

  if (const int style = UserIndexOfStyle(copy.StyleNumber()); style >= 0) {
    const std::string styleName = UserStyleName(from.styles, style);
    if (const int found = FindUserStyleByName(to.styles, styleName); found >= 0) {
      copy.SetStyleNumber(static_cast<std::int16_t>(found));
    } else {
      const MsgResult answer =
          AskYesNoCancel(ws, "Arrangement '" + arrangementName + "' calls Style '" + TrimBlanks(styleName) +
                                 "' non-existent in '" + caption + "'\r\nRedirect this Arrangement to an existing Style?");
      if (answer == MsgResult::Cancel) return false;
      if (answer == MsgResult::Yes) {
        const int chosen = ws.ui.SelectStyle(destination, 0, "Select a Style");
        if (chosen == -1) return false;
        copy.SetStyleNumber(static_cast<std::int16_t>(chosen));
      }
    }
  }

  for (int t = 0; t < kArrangementTracks; ++t) {
    const int user = UserIndexOfProgram(copy.TrackProgram(t));
    if (user < 0) continue;
    const std::string programName = UserProgramName(from.programs, user);
    if (const int found = FindUserProgramByName(to.programs, programName, user >= kUserProgramCount); found >= 0) {
      copy.SetTrackProgram(t, static_cast<std::int16_t>(found));
      continue;
    }
    const std::string track(kArrangementTrackNames[static_cast<std::size_t>(t)]);
    const MsgResult answer = AskYesNoCancel(
        ws, "Track '" + track + "' of Arrangement '" + arrangementName + "' calls Program '" +
                TrimBlanks(programName) + "' non-existent in '" + caption + "'\r\nRedirect this track to an existing Program?");
    if (answer == MsgResult::Cancel) return false;
    if (answer == MsgResult::Yes) {
      const int chosen = ws.ui.SelectProgram(destination, 0, "Select a Program for track '" + track + "'");
      if (chosen == -1) return false;
      copy.SetTrackProgram(t, static_cast<std::int16_t>(chosen));
    }
  }

  record = copy;
  return true;
}

}  // namespace tolvane
