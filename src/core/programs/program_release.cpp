#include "programs/program_release.h"

#include "programs/program_calls.h"
#include "programs/program_numbers.h"
#include "storage/text.h"
#include "storage/undo_state.h"
#include "storage/workspace.h"

namespace tolvane {

bool ConfirmProgramRelease(Workspace& ws, int d, int u) {
  const int p = UserProgramNumber(u);
  // No number, no callers: a track whose reference decodes to nothing must
  // not count as calling it.
  if (p < 0 || FindProgramCallers(ws, d, p) == 0) {
    SetUndoAvailable(ws, d, true);
    return true;
  }
  const std::string text = "Program '" + TrimBlanks(UserProgramName(ws.Stores(d).programs, u)) +
                           "' is referenced by one or more\r\nArrangements, Styles, Backing Sequences, etc.\r\n\r\n"
                           "Redirect them to another Program?";
  switch (ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, "", text})) {
    case MsgResult::Cancel:
      SetUndoAvailable(ws, d, true);
      return false;
    case MsgResult::Yes: {
      const int q = ws.ui.SelectProgram(d, p, "Select a Program ");
      if (q != p && q != -1) {
        RedirectProgramCalls(ws, d, p, q);
        // The callers' new calls are not part of any undo record.
        SetUndoAvailable(ws, d, false);
      } else {
        SetUndoAvailable(ws, d, true);
      }
      return true;
    }
    default:
      SetUndoAvailable(ws, d, true);
      return true;
  }
}

}  // namespace tolvane
