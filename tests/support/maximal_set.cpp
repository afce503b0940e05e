#include "maximal_set.h"

#include "sequences/event_offsets.h"
#include "set_builder.h"

namespace tolvane::test {

SetStores MaximalSet(Rng& rng) {
  SetStores set = RandomSet(rng, kStyleBlockCount);
  // Four Styles of 3800 events fill a Block's 15200.
  for (std::size_t i = 0; i < kUserStyleCount; ++i) {
    set.styles.present[i] = 1;
    set.styles.sizes[i] = kStyleBaseSize + 4 * 3800;
    set.styles.data[i].resize(static_cast<std::size_t>(set.styles.sizes[i]) - kStyleHeaderSize);
    rng.Fill(set.styles.data[i]);
  }
  // 16384 event blocks: 6800 for Backing Sequences, 6800 for Songs, the rest Patterns.
  auto fill = [&](auto& data) {
    for (std::size_t i = 0; i < kSequenceItemCount; ++i) {
      for (auto& size : data.trackSizes[i]) size = 40;
      data.eventData[i].resize(40 * kEventTracks * kEventBlockSize);
      rng.Fill(data.eventData[i]);
    }
  };
  fill(set.backingSequences);
  fill(set.songs);
  for (std::size_t p = 0; p < kPatternCount; ++p) {
    set.songs.patternData[p].resize((p == 0 ? 111 : 27) * kEventBlockSize);
    rng.Fill(set.songs.patternData[p]);
  }
  set.backingSequences.trackOffsets[0][0] = 4864;
  RecomputeBackingSequenceOffsets(set.backingSequences);
  set.songs.trackOffsets[0][0] = set.backingSequences.endOffset;
  RecomputeSongOffsets(set.songs);
  return set;
}

}  // namespace tolvane::test
