// The Edit commands and drops of the Backing Sequences and Songs tabs. Each
// list line is an item: line 0 to 9.

#include "editing/kind_edits.h"
#include "editing/renumbering.h"
#include "editing/undo_state.h"
#include "sequences/sequence_edits.h"
#include "sequences/sequence_kinds.h"

namespace tolvane {

namespace {

template <class K>
class SequenceEdits final : public KindEdits {
 public:
  int UserIndex(int item) const override { return item >= 0 && item < kSequenceItemCount ? item : -1; }
  // Line 10, below the last line, means after it: a move there is a move
  // before line 10; into another Set it is the last line pasted over.
  int DropTarget(int item, bool withinSet) const override {
    if (item != kSequenceItemCount) return UserIndex(item);
    return withinSet ? item : item - 1;
  }
  bool IsNamed(const Workspace& ws, int d, int i) const override { return !IsSequenceItemEmpty<K>(ws, d, i); }
  EditOutcome Cut(Workspace& ws, int d, int i) const override { return CutSequenceItem<K>(ws, d, i); }
  void Copy(Workspace& ws, int d, int i) const override { CopySequenceItem<K>(ws, d, i); }
  EditOutcome Paste(Workspace& ws, int d, int i) const override { return PasteSequenceItem<K>(ws, d, i); }
  EditOutcome Delete(Workspace& ws, int d, int i) const override { return DeleteSequenceItem<K>(ws, d, i); }
  EditOutcome Insert(Workspace& ws, int d, int i) const override { return InsertSequenceItem<K>(ws, d, i); }
  EditOutcome EraseBank(Workspace& ws, int d, int) const override { return EraseSequenceBank<K>(ws, d); }
  void Undo(Workspace& ws) const override { UndoSequenceEdit<K>(ws); }

  // Within one Set the item is inserted before the target line; into
  // another Set it is pasted over the target line.
  DropOutcome Drop(Workspace& ws, int sd, int s, int td, int t) const override {
    if (sd == td) return Move(ws, sd, s, t);
    auto& r = K::Records(ws);
    CopyItemToTransfer(r.clipboard, ws, sd, s);
    FollowItems(ws, sd, K::kKind, CopyPlaces(s));
    if (!PasteSequenceItem<K>(ws, td, t).changed) {
      ClipboardRefilled(r);
      return {};
    }
    r.undo.operation = kUndoDragCopy;
    return {DropResult::Copied};
  }

 private:
  static DropOutcome Move(Workspace& ws, int d, int s, int t) {
    // Before its own line or the next one the item would stay where it is.
    if (t == s || t == s + 1) return {};
    const std::string text =
        "Insert " + KindName(K::kKind) + " " + std::to_string(s) + " before " + std::to_string(t) + " ?";
    if (ws.ui.ShowMessage({MsgIcon::Question, MsgButtons::YesNo, MsgResult::Yes, "", text}) != MsgResult::Yes)
      return {};
    const int landing = K::Move(ws, d, s, t);
    K::Records(ws).undo.operation = kUndoMove;
    ws.view.ShowItem(d, K::kKind, landing);
    return {DropResult::Moved};
  }
};

}  // namespace

const KindEdits& BackingSequenceEdits() {
  static const SequenceEdits<BackingSequenceKind> edits;
  return edits;
}

const KindEdits& SongEdits() {
  static const SequenceEdits<SongKind> edits;
  return edits;
}

}  // namespace tolvane
