#include "editing/drag_drop.h"

#include "arrangements/arrangement_clip.h"
#include "arrangements/arrangement_duplicates.h"
#include "arrangements/arrangement_edits.h"
#include "programs/program_clip.h"
#include "programs/program_duplicates.h"
#include "programs/program_edits.h"
#include "programs/program_numbers.h"
#include "storage/tables.h"
#include "editing/undo_state.h"
#include "sets/workspace.h"

namespace tolvane {

namespace {

// The user index (arrangement number or program user index) of a named item; -1 otherwise.
int NamedItem(const Workspace& ws, int d, int kind, int item) {
  if (kind == kArrangement) {
    const int n = CheckArrangementNumber(item);
    return n >= 0 && !IsArrangementEmpty(ws.Stores(d).arrangements, n) ? n : -1;
  }
  if (kind == kProgram) {
    const int u = UserIndexOfProgram(item);
    return u >= 0 && !IsUserProgramEmpty(ws.Stores(d).programs, u) ? u : -1;
  }
  return -1;
}

DropResult DropArrangement(Workspace& ws, int sd, int s, int td, int t) {
  auto& r = ws.edits.arrangements;
  CopyArrangementToClip(r.clipboard, ws, sd, s);
  if (sd == td) {
    if (!PasteArrangement(ws, td, t, true)) {
      ClipboardRefilled(r);
      return DropResult::Ignored;
    }
    CutArrangement(ws, sd, s, true);
    r.undo.operation = kUndoMove;
  } else {
    if (!PasteArrangement(ws, td, t, false)) {
      ClipboardRefilled(r);
      return DropResult::Ignored;
    }
    CheckArrangementDuplicateNames(ws, td);
    r.undo.operation = kUndoDragCopy;
  }
  ws.view.ShowItem(td, kArrangement, t);
  return sd == td ? DropResult::Moved : DropResult::Copied;
}

DropResult DropProgram(Workspace& ws, int sd, int s, int td, int t) {
  auto& r = ws.edits.programs;
  CopyProgramToClip(r.clipboard, ws, sd, s);
  if (sd == td) {
    if (!PasteProgram(ws, td, t, true)) {
      ClipboardRefilled(r);
      return DropResult::Ignored;
    }
    CutProgram(ws, sd, s, true);
    r.undo.operation = kUndoMove;
  } else {
    if (!PasteProgram(ws, td, t, false)) {
      ClipboardRefilled(r);
      return DropResult::Ignored;
    }
    CheckProgramDuplicateNames(ws, td);
    ws.view.RefreshKind(td, kProgram);
    r.undo.operation = kUndoDragCopy;
  }
  ws.view.ShowItem(td, kProgram, UserProgramNumber(t));
  return sd == td ? DropResult::Moved : DropResult::Copied;
}

}  // namespace

bool BeginDrag(Workspace& ws, int d, int kind, int item) {
  if (!ws.InUse(d) || NamedItem(ws, d, kind, item) < 0) return false;
  ws.edits.drag = DragSource{d, kind, item};
  return true;
}

DropResult DropItem(Workspace& ws, const DragSource& source, int targetDocument, int targetKind, int targetItem) {
  const int sd = source.document;
  const int td = targetDocument;
  if (source.kind != targetKind || !ws.InUse(sd) || !ws.InUse(td)) return DropResult::Ignored;
  if (sd == td && source.item == targetItem) return DropResult::Ignored;
  // The source must still be the named item the drag started on.
  const int s = NamedItem(ws, sd, source.kind, source.item);
  if (s < 0) return DropResult::Ignored;
  DropResult result = DropResult::Ignored;
  if (targetKind == kArrangement) {
    if (const int t = CheckArrangementNumber(targetItem); t >= 0) result = DropArrangement(ws, sd, s, td, t);
  } else if (targetKind == kProgram) {
    if (const int t = UserIndexOfProgram(targetItem); t >= 0) result = DropProgram(ws, sd, s, td, t);
  }
  if (result != DropResult::Ignored) SetUndoAvailable(ws, td, true);
  return result;
}

}  // namespace tolvane
