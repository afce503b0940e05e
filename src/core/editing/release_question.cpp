#include "editing/release_question.h"

#include "sets/workspace.h"

namespace tolvane {

ReleaseAnswer AskToRedirectCallers(Workspace& ws, const std::string& text, int own,
                                   const std::function<int()>& choose, const std::function<void(int)>& redirect) {
  switch (ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::YesNoCancel, MsgResult::Cancel, "", text})) {
    case MsgResult::Cancel: return ReleaseAnswer::Cancelled;
    case MsgResult::Yes: {
      const int chosen = choose();
      if (chosen == own || chosen == -1) return ReleaseAnswer::Kept;
      redirect(chosen);
      return ReleaseAnswer::Redirected;
    }
    default: return ReleaseAnswer::Kept;
  }
}

}  // namespace tolvane
