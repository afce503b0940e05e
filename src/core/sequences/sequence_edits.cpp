#include "sequences/sequence_edits.h"

#include "editing/renumbering.h"
#include "editing/undo_state.h"
#include "sequences/sequence_change.h"
#include "storage/text.h"

namespace tolvane {

namespace {

constexpr int kLast = kSequenceItemCount - 1;

bool IsLine(int i) { return i >= 0 && i <= kLast; }

template <class K>
std::string ItemText(const typename K::Clip& clip) {
  return EventItemText(K::kKind, clip.record.Name());
}

}  // namespace

template <class K>
bool IsSequenceItemEmpty(const Workspace& ws, int d, int i) {
  return !IsLine(i) || K::DataOf(ws, d).records[static_cast<std::size_t>(i)].Name() == kBlankName;
}

template <class K>
EditOutcome CutSequenceItem(Workspace& ws, int d, int i) {
  if (IsSequenceItemEmpty<K>(ws, d, i)) return {};
  SequenceChange<K> change(ws, d);
  auto& r = K::Records(ws);
  CopyItemToTransfer(r.clipboard, ws, d, i);
  r.undo.operation = kUndoCut;
  PasteTransferToItem(r.empty, ws, d, i);
  FollowItems(ws, d, K::kKind, CutPlaces(i));
  if (!change.Settle(ItemText<K>(r.clipboard))) return {};
  change.Show(i);
  return kChanged;
}

template <class K>
void CopySequenceItem(Workspace& ws, int d, int i) {
  if (!IsLine(i)) return;
  CopyItemToTransfer(K::Records(ws).clipboard, ws, d, i);
  FollowItems(ws, d, K::kKind, CopyPlaces(i));
  ClipboardRefilled(K::Records(ws));
}

template <class K>
EditOutcome PasteSequenceItem(Workspace& ws, int d, int i) {
  auto& r = K::Records(ws);
  if (!IsLine(i) || r.clipboard.sourceSet == 0) return {};
  SequenceChange<K> change(ws, d);
  CopyItemToTransfer(r.undo, ws, d, i);
  r.undo.operation = kUndoPaste;
  PasteTransferToItem(r.clipboard, ws, d, i);
  FollowItems(ws, d, K::kKind, PastePlaces(i, r.clipboard.sourceSet == d));
  // The room is checked before any question about the item's calls.
  if (!change.Settle(ItemText<K>(r.clipboard))) return {};
  const int source = r.clipboard.sourceSet;
  if (source != d && !K::ResolvePastedCalls(ws, source, d, i)) {
    change.TakeBack();
    return {};
  }
  change.Show(i);
  return kChanged;
}

template <class K>
EditOutcome DeleteSequenceItem(Workspace& ws, int d, int i) {
  if (!IsLine(i)) return {};
  SequenceChange<K> change(ws, d);
  auto& r = K::Records(ws);
  // Links follow their items; those to the deleted item keep its number.
  const std::vector<CallSite> kept = CallersOf(ws, d, K::kKind, i);
  CopyItemToTransfer(r.clipboard, ws, d, i);
  CopyItemToTransfer(r.undo, ws, d, i);
  const Renumbering renumbering = DeleteRenumbering(K::kKind, i, kLast);
  Renumber(ws, d, renumbering);
  r.keptCalls = FollowPlaces(kept, K::kKind, renumbering.places);
  CloseGap(K::DataOf(ws, d), i);
  PasteTransferToItem(r.empty, ws, d, kLast);
  r.undo.operation = kUndoDelete;
  if (!change.Settle(ItemText<K>(r.undo))) return {};
  change.Show(i);
  return kChanged;
}

template <class K>
EditOutcome InsertSequenceItem(Workspace& ws, int d, int i) {
  auto& r = K::Records(ws);
  // An empty clipboard holds nothing to insert (a paste refuses it too).
  if (!IsLine(i) || r.clipboard.sourceSet == 0) return {};
  SequenceChange<K> change(ws, d);
  // Links follow their items, the inserted one's too; those to the item
  // pushed out keep its number.
  const std::vector<CallSite> kept = CallersOf(ws, d, K::kKind, kLast);
  const Renumbering renumbering = InsertRenumbering(K::kKind, i, kLast, r.clipboard.sourceSet == d);
  Renumber(ws, d, renumbering);
  const std::vector<CallSite> keptAfter = FollowPlaces(kept, K::kKind, renumbering.places);
  const typename K::Clip incoming = r.clipboard;
  r.clipboardBeforeInsert = incoming;
  CopyItemToTransfer(r.undo, ws, d, kLast);
  r.undo.sourceNumber = static_cast<std::int16_t>(i);
  OpenGap(K::DataOf(ws, d), i);
  PasteTransferToItem(incoming, ws, d, i);
  r.undo.operation = kUndoInsert;
  r.keptCalls = keptAfter;
  r.clipboard = r.undo;
  r.clipboardAfterInsert = r.clipboard;
  if (!change.Settle(ItemText<K>(incoming))) return {};
  // An item from another Set calls that Set's items: they are found again
  // here, as for a paste.
  if (incoming.sourceSet != d && !K::ResolvePastedCalls(ws, incoming.sourceSet, d, i)) {
    change.TakeBack();
    return {};
  }
  change.Show(i);
  return kChanged;
}

template <class K>
EditOutcome EraseSequenceBank(Workspace& ws, int d) {
  SequenceChange<K> change(ws, d);
  for (int i = 0; i <= kLast; ++i) PasteTransferToItem(K::Records(ws).empty, ws, d, i);
  FollowItems(ws, d, K::kKind, ErasedPlaces());
  auto& data = K::DataOf(ws, d);
  if constexpr (K::kKind == kBackingSequence) {
    data.trackOffsets[0][0] = 4864;
  } else {
    // The emptied Songs start where the Backing Sequences end; the Patterns
    // follow them with their data.
    data.trackOffsets[0][0] = ws.Stores(d).backingSequences.endOffset;
    data.patternOffsets[0] = data.trackOffsets[0][0];
  }
  if (!change.Settle("the " + KindName(K::kKind) + "s")) return {};
  change.Show(0);
  return kChanged;
}

template bool IsSequenceItemEmpty<BackingSequenceKind>(const Workspace&, int, int);
template EditOutcome CutSequenceItem<BackingSequenceKind>(Workspace&, int, int);
template void CopySequenceItem<BackingSequenceKind>(Workspace&, int, int);
template EditOutcome PasteSequenceItem<BackingSequenceKind>(Workspace&, int, int);
template EditOutcome DeleteSequenceItem<BackingSequenceKind>(Workspace&, int, int);
template EditOutcome InsertSequenceItem<BackingSequenceKind>(Workspace&, int, int);
template EditOutcome EraseSequenceBank<BackingSequenceKind>(Workspace&, int);

template bool IsSequenceItemEmpty<SongKind>(const Workspace&, int, int);
template EditOutcome CutSequenceItem<SongKind>(Workspace&, int, int);
template void CopySequenceItem<SongKind>(Workspace&, int, int);
template EditOutcome PasteSequenceItem<SongKind>(Workspace&, int, int);
template EditOutcome DeleteSequenceItem<SongKind>(Workspace&, int, int);
template EditOutcome InsertSequenceItem<SongKind>(Workspace&, int, int);
template EditOutcome EraseSequenceBank<SongKind>(Workspace&, int);

}  // namespace tolvane
