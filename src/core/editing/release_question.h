#pragma once
// The question asked before an item that others call is overwritten or
// removed: Yes lets the user choose where the calls go, No keeps them, Cancel
// abandons the edit.

#include <functional>
#include <string>

namespace tolvane {

class Workspace;

// Asks `text` in Set d's window. On Yes, `choose` opens the selection dialog;
// a choice other than -1 and `own` is handed to `redirect`, after which Undo
// is unavailable (the moved calls belong to no undo record). Otherwise Undo is
// available. Returns false only for Cancel.
bool AskToRedirectCallers(Workspace& ws, int d, const std::string& text, int own, const std::function<int()>& choose,
                          const std::function<void(int)>& redirect);

}  // namespace tolvane
