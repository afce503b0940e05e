// The Edit commands and drops of the Programs tab. Cells carry program
// numbers; the routines work on user items (D11 to D88, Dr7, Dr8).

#include "editing/kind_edits.h"
#include "editing/renumbering.h"
#include "editing/undo_state.h"
#include "programs/program_clip.h"
#include "programs/program_duplicates.h"
#include "programs/program_edits.h"
#include "programs/program_numbers.h"
#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

namespace {

class Programs final : public KindEdits {
 public:
  int UserIndex(int item) const override { return UserIndexOfProgram(item); }
  bool IsNamed(const Workspace& ws, int d, int u) const override {
    return !IsUserProgramEmpty(ws.Stores(d).programs, u);
  }
  EditOutcome Cut(Workspace& ws, int d, int u) const override { return CutProgram(ws, d, u, false); }
  void Copy(Workspace& ws, int d, int u) const override { CopyProgram(ws, d, u); }
  EditOutcome Paste(Workspace& ws, int d, int u) const override {
    const EditOutcome outcome = PasteProgram(ws, d, u, false);
    CheckProgramDuplicateNames(ws, d);
    return outcome;
  }
  EditOutcome Delete(Workspace& ws, int d, int u) const override { return DeleteProgram(ws, d, u); }
  EditOutcome Insert(Workspace& ws, int d, int u) const override {
    const EditOutcome outcome = InsertProgram(ws, d, u);
    CheckProgramDuplicateNames(ws, d);
    return outcome;
  }
  EditOutcome EraseBank(Workspace& ws, int d, int p) const override {
    EraseProgramBank(ws, d, SplitProgramNumber(p).first);
    return kChanged;
  }
  void Undo(Workspace& ws) const override { UndoProgramEdit(ws); }

  DropOutcome Drop(Workspace& ws, int sd, int s, int td, int t) const override {
    auto& r = ws.edits.programs;
    CopyProgramToClip(r.clipboard, ws, sd, s);
    FollowItems(ws, sd, kProgram, CopyPlaces(s));
    const bool move = sd == td;
    const EditOutcome pasted = PasteProgram(ws, td, t, move);
    if (!pasted.changed) {
      ClipboardRefilled(r);
      return {DropResult::Ignored, pasted.redirected};
    }
    if (move) {
      CutProgram(ws, sd, s, true);
      r.undo.operation = kUndoMove;
    } else {
      CheckProgramDuplicateNames(ws, td);
      ws.view.RefreshKind(td, kProgram);
      r.undo.operation = kUndoDragCopy;
    }
    ws.view.ShowItem(td, kProgram, UserProgramNumber(t));
    return {move ? DropResult::Moved : DropResult::Copied, pasted.redirected};
  }
};

}  // namespace

const KindEdits& ProgramEdits() {
  static const Programs edits;
  return edits;
}

}  // namespace tolvane
