#include "editing/release_question.h"

#include "editing/undo_state.h"
#include "sets/workspace.h"

namespace tolvane {

bool AskToRedirectCallers(Workspace& ws, int d, const std::string& text, int own, const std::function<int()>& choose,
                          const std::function<void(int)>& redirect) {
  switch (ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, "", text})) {
    case MsgResult::Cancel:
      SetUndoAvailable(ws, d, true);
      return false;
    case MsgResult::Yes: {
      const int chosen = choose();
      if (chosen != own && chosen != -1) {
        redirect(chosen);
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
