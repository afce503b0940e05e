// The empty template Set "I3EMPTY".

#include "sequences/event_offsets.h"
#include "set_makers.h"
#include "storage/tables.h"

namespace tolvane::tools {

namespace {

template <std::size_t N>
void Stamp(std::array<std::uint8_t, N>& header, int kind) {
  header[0] = 'K';
  header[1] = 'O';
  header[2] = 'R';
  header[3] = 'G';
  header[4] = 0x39;
  header[6] = static_cast<std::uint8_t>(KindHeaderCode(kind));
}

}  // namespace

void StampHeaders(SetStores& set) {
  Stamp(set.arrangements.header, kArrangement);
  PutI16(set.arrangements.header, kArrangementDataLengthOffset, set.arrangements.dataLength);
  Stamp(set.styles.header, kStyle);
  Stamp(set.programs.header, kProgram);
  Stamp(set.backingSequences.header, kBackingSequence);
  Stamp(set.songs.header, kSong);
}

void LayOutEventAreas(SetStores& set, int base, const std::array<std::array<int, kEventTracks>, 10>& bsqTracks,
                      const std::array<std::array<int, kEventTracks>, 10>& songTracks,
                      const std::array<int, kPatternCount>& patternBlocks) {
  auto setSizes = [](auto& data, const auto& tracks) {
    for (std::size_t i = 0; i < kSequenceItemCount; ++i) {
      int itemSize = 0;
      for (std::size_t t = 0; t < kEventTracks; ++t) {
        data.trackSizes[i][t] = static_cast<std::int16_t>(tracks[i][t]);
        itemSize += tracks[i][t];
      }
      data.eventData[i].resize(static_cast<std::size_t>(itemSize) * kEventBlockSize);
    }
  };
  setSizes(set.backingSequences, bsqTracks);
  setSizes(set.songs, songTracks);
  for (std::size_t p = 0; p < kPatternCount; ++p)
    set.songs.patternData[p].resize(static_cast<std::size_t>(patternBlocks[p]) * kEventBlockSize);
  // The song area follows the backing-sequence area in the event memory.
  set.backingSequences.trackOffsets[0][0] = static_cast<std::int16_t>(base);
  RecomputeBackingSequenceOffsets(set.backingSequences);
  set.songs.trackOffsets[0][0] = set.backingSequences.endOffset;
  RecomputeSongOffsets(set.songs);
}

SetStores MakeTemplateSet() {
  SetStores set;
  const std::string blank(10, ' ');
  set.arrangements.dataLength = kArrangementMinDataLength;
  for (auto& r : set.arrangements.records) r.SetName(blank);

  set.styles.blockCount = kStyleBlockCount;
  for (int i = 0; i < kUserStyleCount; ++i) {
    set.styles.present[static_cast<std::size_t>(i)] = 1;
    set.styles.sizes[static_cast<std::size_t>(i)] = kStyleBaseSize;
    set.styles.headers[static_cast<std::size_t>(i)].SetName(blank);
  }
  for (auto& r : set.programs.records) r.SetName(blank);
  for (auto& r : set.backingSequences.records) r.SetName(blank);
  for (auto& r : set.songs.records) r.SetName(blank);

  // Every event area is empty: all offsets point at the same place.
  LayOutEventAreas(set, 4864, {}, {}, {});
  StampHeaders(set);
  return set;
}

}  // namespace tolvane::tools
