#include "sequences/sequence_moves.h"

#include "editing/renumbering.h"
#include "sequences/sequence_kinds.h"

namespace tolvane {

namespace {

// The link an item held to line `link` after item `from` moved before line
// `to`: it follows the item it pointed to. Links outside the list are kept.
int FollowLink(int link, int from, int to) {
  if (to <= from) {
    if (link == from) return to;
    if (link >= to && link < from) return link + 1;
  } else {
    if (link == from) return to - 1;
    if (link > from && link < to) return link - 1;
  }
  return link;
}

template <class K>
int Move(Workspace& ws, int s, int from, int to) {
  if (!ws.InUse(s) || from < 0 || from >= kSequenceItemCount || to < 0 || to > kSequenceItemCount) return -1;
  auto& r = K::Records(ws);
  auto& data = K::DataOf(ws, s);
  // Every link follows the item it pointed to, the moved item's own in the
  // clipboard too.
  Renumbering renumbering{K::kKind, SameNumbers(K::kKind), {}, -1, [from, to](int p) -> std::vector<int> {
                            if (p == kHeldInClipboard) return {};
                            if (p == from) return {FollowLink(p, from, to), kHeldInClipboard};
                            return {FollowLink(p, from, to)};
                          }};
  for (int k = 0; k < kSequenceItemCount; ++k) renumbering.numbers[static_cast<std::size_t>(k)] = FollowLink(k, from, to);
  CopyItemToTransfer(r.clipboard, ws, s, from);
  Renumber(ws, s, renumbering);
  r.undo.sourceSet = static_cast<std::int16_t>(s);
  r.undo.sourceNumber = static_cast<std::int16_t>(to);
  int landing = to;
  if (to <= from) {
    for (int k = from - 1; k >= to; --k) CopyItemOver(data, k, k + 1);
  } else {
    for (int k = from + 1; k < to; ++k) CopyItemOver(data, k, k - 1);
    landing = to - 1;
  }
  PasteTransferToItem(r.clipboard, ws, s, landing);
  K::LayOut(data);
  ws.view.RefreshKind(s, K::kKind);
  return landing;
}

}  // namespace

int MoveBackingSequence(Workspace& ws, int s, int from, int to) { return Move<BackingSequenceKind>(ws, s, from, to); }

int MoveSong(Workspace& ws, int s, int from, int to) { return Move<SongKind>(ws, s, from, to); }

}  // namespace tolvane
