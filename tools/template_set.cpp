// The empty template Set "I3EMPTY".

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
  int at = base;
  auto layItems = [&](auto& data, const auto& tracks) {
    for (int i = 0; i < kSequenceItemCount; ++i) {
      int itemSize = 0;
      for (int t = 0; t < kEventTracks; ++t) {
        const auto size = static_cast<std::int16_t>(tracks[static_cast<std::size_t>(i)][static_cast<std::size_t>(t)]);
        data.trackOffsets[static_cast<std::size_t>(i)][static_cast<std::size_t>(t)] = static_cast<std::int16_t>(at);
        data.trackSizes[static_cast<std::size_t>(i)][static_cast<std::size_t>(t)] = size;
        at += size;
        itemSize += size;
      }
      data.itemSizes[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(itemSize);
      data.eventData[static_cast<std::size_t>(i)].resize(static_cast<std::size_t>(itemSize) * kEventBlockSize);
    }
  };
  layItems(set.backingSequences, bsqTracks);
  set.backingSequences.endOffset = static_cast<std::int16_t>(at);
  layItems(set.songs, songTracks);
  for (int p = 0; p < kPatternCount; ++p) {
    set.songs.patternOffsets[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(at);
    at += patternBlocks[static_cast<std::size_t>(p)];
    set.songs.patternData[static_cast<std::size_t>(p)].resize(
        static_cast<std::size_t>(patternBlocks[static_cast<std::size_t>(p)]) * kEventBlockSize);
  }
  set.songs.endOffset = static_cast<std::int16_t>(at);
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
