#pragma once
// Moving one Backing Sequence or Song, with its event data, between a Set and
// a transfer record, and from one line of a Set's list to another.

#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

// Copies item `index` (record, track sizes, item size, event data) of Set d
// into the clip with its origin; an index outside 0 to 9 does nothing.
void CopyItemToTransfer(BackingSequenceClip& clip, const Workspace& ws, int d, int index);
void CopyItemToTransfer(SongClip& clip, const Workspace& ws, int d, int index);
// Writes the clip's item into item `index` of Set d and marks the kind
// modified. Returns the clip's source index; -1 (nothing written) for an index
// outside 0 to 9. The offsets are left for the caller to lay out again.
int PasteTransferToItem(const BackingSequenceClip& clip, Workspace& ws, int d, int index);
int PasteTransferToItem(const SongClip& clip, Workspace& ws, int d, int index);

// Item `to` of the data becomes a copy of item `from`, event data included.
template <class Data>
void CopyItemOver(Data& data, int from, int to) {
  const auto f = static_cast<std::size_t>(from);
  const auto t = static_cast<std::size_t>(to);
  data.records[t] = data.records[f];
  data.trackSizes[t] = data.trackSizes[f];
  data.itemSizes[t] = data.itemSizes[f];
  data.eventData[t] = data.eventData[f];
}

}  // namespace tolvane
