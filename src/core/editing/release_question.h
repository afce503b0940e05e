#pragma once
// The question asked before an item that others call is overwritten or
// removed: Yes lets the user choose where the calls go, No keeps them, Cancel
// abandons the edit.

#include <functional>
#include <string>

#include "editing/edit_outcome.h"

namespace tolvane {

class Workspace;

enum class ReleaseAnswer {
  Cancelled,   // abandon the edit; nothing changed
  Kept,        // go on; the callers keep their number
  Redirected,  // go on; the callers now call the item the user chose
};

// Asks `text`. On Yes, `choose` opens the selection dialog;
// a choice other than -1 and `own` is handed to `redirect`.
ReleaseAnswer AskToRedirectCallers(Workspace& ws, const std::string& text, int own,
                                   const std::function<int()>& choose, const std::function<void(int)>& redirect);

// What an answer has done to the Set so far.
inline EditOutcome OutcomeOf(ReleaseAnswer answer) {
  return answer == ReleaseAnswer::Redirected ? kRedirected : EditOutcome{};
}

}  // namespace tolvane
