// The Edit commands and drops of the Arrangements tab.

#include "arrangements/arrangement_clip.h"
#include "arrangements/arrangement_duplicates.h"
#include "arrangements/arrangement_edits.h"
#include "editing/kind_edits.h"
#include "editing/renumbering.h"
#include "editing/undo_state.h"
#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

namespace {

class Arrangements final : public KindEdits {
 public:
  int UserIndex(int item) const override { return CheckArrangementNumber(item); }
  bool IsNamed(const Workspace& ws, int d, int n) const override {
    return !IsArrangementEmpty(ws.Stores(d).arrangements, n);
  }
  EditOutcome Cut(Workspace& ws, int d, int n) const override { return CutArrangement(ws, d, n, false); }
  void Copy(Workspace& ws, int d, int n) const override { CopyArrangement(ws, d, n); }
  EditOutcome Paste(Workspace& ws, int d, int n) const override {
    const EditOutcome outcome = PasteArrangement(ws, d, n, false);
    CheckArrangementDuplicateNames(ws, d);
    return outcome;
  }
  EditOutcome Delete(Workspace& ws, int d, int n) const override { return DeleteArrangement(ws, d, n); }
  EditOutcome Insert(Workspace& ws, int d, int n) const override {
    const EditOutcome outcome = InsertArrangement(ws, d, n);
    CheckArrangementDuplicateNames(ws, d);
    return outcome;
  }
  EditOutcome EraseBank(Workspace& ws, int d, int) const override {
    EraseArrangementBank(ws, d);
    return kChanged;
  }
  void Undo(Workspace& ws) const override { UndoArrangementEdit(ws); }

  DropOutcome Drop(Workspace& ws, int sd, int s, int td, int t) const override {
    auto& r = ws.edits.arrangements;
    CopyArrangementToClip(r.clipboard, ws, sd, s);
    FollowItems(ws, sd, kArrangement, CopyPlaces(s));
    const bool move = sd == td;
    const EditOutcome pasted = PasteArrangement(ws, td, t, move);
    if (!pasted.changed) {
      ClipboardRefilled(r);
      return {DropResult::Ignored, pasted.redirected};
    }
    if (move) {
      CutArrangement(ws, sd, s, true);
      r.undo.operation = kUndoMove;
    } else {
      CheckArrangementDuplicateNames(ws, td);
      r.undo.operation = kUndoDragCopy;
    }
    ws.view.ShowItem(td, kArrangement, t);
    return {move ? DropResult::Moved : DropResult::Copied, pasted.redirected};
  }
};

}  // namespace

const KindEdits& ArrangementEdits() {
  static const Arrangements edits;
  return edits;
}

}  // namespace tolvane
