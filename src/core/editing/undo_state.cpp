#include "editing/undo_state.h"

#include "sets/workspace.h"

namespace tolvane {

void SetUndoAvailable(Workspace& ws, int d, bool available) {
  if (!ws.InUse(d)) return;
  ws.Slot(d).undoAvailable = available;
  ws.view.SetUndoAvailable(d, available);
}

}  // namespace tolvane
