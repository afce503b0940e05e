#include "sequences/sequence_clip.h"

#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

namespace {

bool IsLine(int index) { return index >= 0 && index < kSequenceItemCount; }

template <class Clip, class Data>
void CopyOut(Clip& clip, const Data& data, int d, int index) {
  if (!IsLine(index)) return;
  const auto i = static_cast<std::size_t>(index);
  clip.sourceSet = static_cast<std::int16_t>(d);
  clip.sourceNumber = static_cast<std::int16_t>(index);
  clip.record = data.records[i];
  clip.trackSizes = data.trackSizes[i];
  clip.itemSize = data.itemSizes[i];
  clip.eventData = data.eventData[i];
}

template <class Clip, class Data>
int CopyIn(const Clip& clip, Data& data, Workspace& ws, int d, int kind, int index) {
  if (!IsLine(index)) return -1;
  const auto i = static_cast<std::size_t>(index);
  data.records[i] = clip.record;
  data.trackSizes[i] = clip.trackSizes;
  data.itemSizes[i] = clip.itemSize;
  data.eventData[i] = clip.eventData;
  ws.MarkModified(d, kind);
  return clip.sourceNumber;
}

}  // namespace

void CopyItemToTransfer(BackingSequenceClip& clip, const Workspace& ws, int d, int index) {
  CopyOut(clip, ws.Stores(d).backingSequences, d, index);
}

void CopyItemToTransfer(SongClip& clip, const Workspace& ws, int d, int index) {
  CopyOut(clip, ws.Stores(d).songs, d, index);
}

int PasteTransferToItem(const BackingSequenceClip& clip, Workspace& ws, int d, int index) {
  return CopyIn(clip, ws.Stores(d).backingSequences, ws, d, kBackingSequence, index);
}

int PasteTransferToItem(const SongClip& clip, Workspace& ws, int d, int index) {
  return CopyIn(clip, ws.Stores(d).songs, ws, d, kSong, index);
}

}  // namespace tolvane
