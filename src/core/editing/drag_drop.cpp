#include "editing/drag_drop.h"

#include "editing/edit_guard.h"
#include "editing/undo_state.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

// The user index of the named item a cell or line shows; -1 otherwise.
int NamedItem(const Workspace& ws, const KindEdits& edits, int d, int item) {
  const int u = edits.UserIndex(item);
  return u >= 0 && edits.IsNamed(ws, d, u) ? u : -1;
}

}  // namespace

bool BeginDrag(Workspace& ws, int d, int kind, int item) {
  const KindEdits* edits = EditsOfKind(kind);
  if (!edits || !ws.InUse(d) || NamedItem(ws, *edits, d, item) < 0) return false;
  ws.edits.drag = DragSource{d, kind, item};
  return true;
}

DropResult DropItem(Workspace& ws, const DragSource& source, int targetDocument, int targetKind, int targetItem) {
  const int sd = source.document;
  const int td = targetDocument;
  const KindEdits* edits = EditsOfKind(targetKind);
  if (!edits || source.kind != targetKind || !ws.InUse(sd) || !ws.InUse(td)) return DropResult::Ignored;
  if (sd == td && source.item == targetItem) return DropResult::Ignored;
  // The source must still be the named item the drag started on.
  const int s = NamedItem(ws, *edits, sd, source.item);
  const int t = edits->DropTarget(targetItem, sd == td);
  if (s < 0 || t < 0) return DropResult::Ignored;
  DropOutcome outcome;
  if (!RunGuarded(ws, targetKind, [&] { outcome = edits->Drop(ws, sd, s, td, t); })) return DropResult::Ignored;
  if (outcome.redirected) SetUndoAvailable(ws, td, false);
  else if (outcome.result != DropResult::Ignored) SetUndoAvailable(ws, td, true);
  return outcome.result;
}

}  // namespace tolvane
