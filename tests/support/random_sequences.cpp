#include "random_sequences.h"

namespace tolvane::test {

namespace {

// Track sizes of the 10 items: some items empty, one larger than 1024 blocks,
// most tracks empty as in the instrument's files.
void RandomTrackSizes(Rng& rng, TrackTable& trackSizes, std::array<std::int16_t, kSequenceItemCount>& itemSizes) {
  const int large = rng.Int(0, kSequenceItemCount - 1);
  for (int i = 0; i < kSequenceItemCount; ++i) {
    const auto item = static_cast<std::size_t>(i);
    const bool empty = i != large && rng.Chance(30);
    int sum = 0;
    for (std::size_t t = 0; t < kEventTracks; ++t) {
      int size = 0;
      if (!empty && rng.Chance(40)) size = rng.Int(1, 120);
      if (i == large && t == 0) size = rng.Int(1025, 1400);
      trackSizes[item][t] = static_cast<std::int16_t>(size);
      sum += size;
    }
    itemSizes[item] = static_cast<std::int16_t>(sum);
  }
}

// Offsets from base, each track after the previous one; returns the end.
std::int16_t ContiguousOffsets(int base, const TrackTable& trackSizes, TrackTable& offsets) {
  int at = base;
  for (std::size_t i = 0; i < kSequenceItemCount; ++i)
    for (std::size_t t = 0; t < kEventTracks; ++t) {
      offsets[i][t] = static_cast<std::int16_t>(at);
      at += trackSizes[i][t];
    }
  return static_cast<std::int16_t>(at);
}

Bytes RandomEvents(Rng& rng, int blocks) {
  Bytes out(kEventBlockSize * static_cast<std::size_t>(blocks));
  rng.Fill(out);
  return out;
}

}  // namespace

BackingSequenceSetData RandomBackingSequenceSetData(Rng& rng) {
  BackingSequenceSetData data;
  rng.Fill(data.header);
  for (auto& r : data.records) rng.Fill(r.bytes);
  RandomTrackSizes(rng, data.trackSizes, data.itemSizes);
  data.endOffset = ContiguousOffsets(rng.Int(-3000, 3000), data.trackSizes, data.trackOffsets);
  for (std::size_t i = 0; i < kSequenceItemCount; ++i) data.eventData[i] = RandomEvents(rng, data.itemSizes[i]);
  return data;
}

SongSetData RandomSongSetData(Rng& rng) {
  SongSetData data;
  rng.Fill(data.header);
  for (auto& r : data.records) rng.Fill(r.bytes);
  for (auto& v : data.songTable2) v = static_cast<std::int16_t>(rng.Int(-32768, 32767));
  RandomTrackSizes(rng, data.trackSizes, data.itemSizes);
  int at = ContiguousOffsets(rng.Int(-3000, 3000), data.trackSizes, data.trackOffsets);
  for (std::size_t k = 0; k < kPatternCount; ++k) {
    data.patternOffsets[k] = static_cast<std::int16_t>(at);
    const int blocks = rng.Chance(50) ? 0 : rng.Int(1, 40);
    data.patternData[k] = RandomEvents(rng, blocks);
    at += blocks;
  }
  data.endOffset = static_cast<std::int16_t>(at);
  for (std::size_t i = 0; i < kSequenceItemCount; ++i) data.eventData[i] = RandomEvents(rng, data.itemSizes[i]);
  return data;
}

}  // namespace tolvane::test
