#include "sequences/event_offsets.h"

namespace tolvane {

namespace {

// Lays the 170 tracks one after the other from their first offset; returns
// the running end.
int LayOutTracks(TrackTable& offsets, const TrackTable& sizes, std::array<std::int16_t, kSequenceItemCount>& items) {
  int r = offsets[0][0];
  for (std::size_t i = 0; i < kSequenceItemCount; ++i) {
    int itemSize = 0;
    for (std::size_t t = 0; t < kEventTracks; ++t) {
      offsets[i][t] = static_cast<std::int16_t>(r);
      r += sizes[i][t];
      itemSize += sizes[i][t];
    }
    items[i] = static_cast<std::int16_t>(itemSize);
  }
  return r;
}

// Empties every item whose data does not match its sizes.
template <class Data>
void EmptyUnreadItems(Data& data) {
  for (std::size_t i = 0; i < kSequenceItemCount; ++i) {
    int sum = 0;
    bool valid = true;
    for (auto size : data.trackSizes[i]) {
      valid = valid && size >= 0;
      sum += size;
    }
    if (valid && sum == data.itemSizes[i] &&
        data.eventData[i].size() == static_cast<std::size_t>(sum) * kEventBlockSize)
      continue;
    data.trackSizes[i].fill(0);
    data.itemSizes[i] = 0;
    data.eventData[i].clear();
  }
}

// The offsets must stay within 16 bits once laid out again.
template <class Data>
void KeepBaseInRange(Data& data, int extraBlocks) {
  int total = extraBlocks;
  for (auto size : data.itemSizes) total += size;
  const int base = data.trackOffsets[0][0];
  if (base < 0 || base + total > 32767) data.trackOffsets[0][0] = 0;
}

}  // namespace

void KeepReadableAfterFailure(BackingSequenceSetData& data) {
  EmptyUnreadItems(data);
  KeepBaseInRange(data, 0);
  RecomputeBackingSequenceOffsets(data);
}

void KeepReadableAfterFailure(SongSetData& data) {
  EmptyUnreadItems(data);
  int patterns = 0;
  for (const Bytes& p : data.patternData) patterns += static_cast<int>(p.size() / kEventBlockSize);
  KeepBaseInRange(data, patterns);
  RecomputeSongOffsets(data);
}

void RecomputeBackingSequenceOffsets(BackingSequenceSetData& data) {
  data.endOffset = static_cast<std::int16_t>(LayOutTracks(data.trackOffsets, data.trackSizes, data.itemSizes));
}

void RecomputeSongOffsets(SongSetData& data) {
  int r = LayOutTracks(data.trackOffsets, data.trackSizes, data.itemSizes);
  for (std::size_t p = 0; p < kPatternCount; ++p) {
    data.patternOffsets[p] = static_cast<std::int16_t>(r);
    r += static_cast<int>(data.patternData[p].size() / kEventBlockSize);
  }
  data.endOffset = static_cast<std::int16_t>(r);
}

}  // namespace tolvane
