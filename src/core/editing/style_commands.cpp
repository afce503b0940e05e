// The Edit commands and drops of the Styles tab. Cells carry style numbers;
// the routines work on user Styles (U11 to U84). Styles have no Delete and
// no Insert.

#include "editing/kind_edits.h"
#include "editing/renumbering.h"
#include "editing/undo_state.h"
#include "sets/workspace.h"
#include "storage/tables.h"
#include "styles/style_accessors.h"
#include "styles/style_edits.h"

namespace tolvane {

namespace {

class Styles final : public KindEdits {
 public:
  int UserIndex(int item) const override { return UserIndexOfStyle(item); }
  bool IsNamed(const Workspace& ws, int d, int u) const override {
    return !IsUserStyleEmpty(ws.Stores(d).styles, u);
  }
  EditOutcome Cut(Workspace& ws, int d, int u) const override { return CutStyle(ws, d, u, false); }
  void Copy(Workspace& ws, int d, int u) const override { CopyStyle(ws, d, u); }
  EditOutcome Paste(Workspace& ws, int d, int u) const override {
    const EditOutcome outcome = PasteStyle(ws, d, u, false);
    CheckStyleDuplicateNames(ws, d);
    return outcome;
  }
  EditOutcome EraseBank(Workspace& ws, int d, int s) const override {
    if (SplitStyleNumber(s).first != 1) return {};
    EraseStyleBank(ws, d);
    return kChanged;
  }
  void Undo(Workspace& ws) const override { UndoStyleEdit(ws); }

  DropOutcome Drop(Workspace& ws, int sd, int s, int td, int t) const override {
    auto& r = ws.edits.styles;
    CopyStyleToClip(r.clipboard, ws, sd, s);
    FollowItems(ws, sd, kStyle, CopyPlaces(s));
    const bool move = sd == td;
    const EditOutcome pasted = PasteStyle(ws, td, t, move);
    if (!pasted.changed) {
      ClipboardRefilled(r);
      return {DropResult::Ignored, pasted.redirected};
    }
    if (move) {
      CutStyle(ws, sd, s, true);
      r.undo.operation = kUndoMove;
    } else {
      CheckStyleDuplicateNames(ws, td);
      ws.view.RefreshKind(td, kStyle);
      r.undo.operation = kUndoDragCopy;
    }
    ws.view.ShowItem(td, kStyle, UserStyleNumber(t));
    return {move ? DropResult::Moved : DropResult::Copied, pasted.redirected};
  }
};

}  // namespace

const KindEdits& StyleEdits() {
  static const Styles edits;
  return edits;
}

}  // namespace tolvane
