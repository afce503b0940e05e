// Undo of the last Backing Sequence or Song edit, by its code.

#include "editing/renumbering.h"
#include "sequences/sequence_change.h"
#include "sequences/sequence_edits.h"

namespace tolvane {

namespace {

constexpr int kLast = kSequenceItemCount - 1;

bool IsLine(int i) { return i >= 0 && i <= kLast; }
bool Usable(const Workspace& ws, int d) { return d > 0 && ws.InUse(d); }

// Undo gives back what was there, whatever the event memory says now; only
// offsets that no longer fit 16 bits stop it.
template <class K>
bool Settle(SequenceChange<K>& change, const typename K::Clip& restored) {
  return change.Settle(EventItemText(K::kKind, restored.record.Name()), false);
}

// Cut, paste and drag copy: the clip goes back to the line it names.
template <class K>
void PutBack(Workspace& ws, const typename K::Clip& clip, PlaceMap (*places)(int)) {
  const int d = clip.sourceSet;
  const int i = clip.sourceNumber;
  if (!Usable(ws, d) || !IsLine(i)) return;
  SequenceChange<K> change(ws, d);
  const typename K::Clip restored = clip;
  PasteTransferToItem(restored, ws, d, i);
  FollowItems(ws, d, K::kKind, places(i));
  if (Settle(change, restored)) change.Show(i);
}

// The deleted item returns to its line; the items after it move down again,
// the links with them.
template <class K>
void ReopenDeleted(Workspace& ws) {
  auto& r = K::Records(ws);
  const int d = r.undo.sourceSet;
  const int i = r.undo.sourceNumber;
  if (!Usable(ws, d) || !IsLine(i)) return;
  SequenceChange<K> change(ws, d);
  Renumber(ws, d, UndoDeleteRenumbering(K::kKind, i, kLast, r.keptCalls));
  const typename K::Clip restored = r.undo;
  OpenGap(K::DataOf(ws, d), i);
  PasteTransferToItem(restored, ws, d, i);
  if (Settle(change, restored)) change.Show(i);
}

// The inserted item leaves again and the one pushed out returns to the last
// line. The clipboard the insert used up is given back, unless something
// has filled it since.
template <class K>
void CloseInserted(Workspace& ws) {
  auto& r = K::Records(ws);
  const int d = r.undo.sourceSet;
  const int i = r.undo.sourceNumber;
  if (!Usable(ws, d) || !IsLine(i)) return;
  SequenceChange<K> change(ws, d);
  const bool giveBack = r.clipboard == r.clipboardAfterInsert;
  Renumber(ws, d, UndoInsertRenumbering(K::kKind, i, kLast, giveBack, r.keptCalls));
  const typename K::Clip restored = r.undo;
  CloseGap(K::DataOf(ws, d), i);
  PasteTransferToItem(restored, ws, d, kLast);
  if (giveBack) r.clipboard = r.clipboardBeforeInsert;
  if (Settle(change, restored)) change.Show(i);
}

// The moved item goes back before the line it came from; the links follow.
template <class K>
void MoveBack(Workspace& ws) {
  const auto& r = K::Records(ws);
  const int d = r.undo.sourceSet;
  const int from = r.clipboard.sourceNumber;
  const int to = r.undo.sourceNumber;
  if (!Usable(ws, d) || r.clipboard.sourceSet != d || !IsLine(from) || to < 0 || to > kSequenceItemCount) return;
  const int landing = to <= from ? K::Move(ws, d, to, from + 1) : K::Move(ws, d, to - 1, from);
  ws.view.ShowItem(d, K::kKind, landing);
}

}  // namespace

template <class K>
void UndoSequenceEdit(Workspace& ws) {
  auto& r = K::Records(ws);
  switch (r.undo.operation) {
    case kUndoCut: PutBack<K>(ws, r.clipboard, UndoCutPlaces); break;
    case kUndoPaste:
    case kUndoDragCopy: PutBack<K>(ws, r.undo, UndoPastePlaces); break;
    case kUndoMove: MoveBack<K>(ws); break;
    case kUndoDelete: ReopenDeleted<K>(ws); break;
    case kUndoInsert: CloseInserted<K>(ws); break;
    default: break;
  }
}

template void UndoSequenceEdit<BackingSequenceKind>(Workspace&);
template void UndoSequenceEdit<SongKind>(Workspace&);

}  // namespace tolvane
