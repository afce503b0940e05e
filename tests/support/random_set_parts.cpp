#include "random_set_parts.h"

#include <string>

#include "storage/text.h"

namespace tolvane::test {

namespace {

// A 10-character name: printable text, or 10 blanks (an empty slot) now and then.
std::string RandomItemName(Rng& rng) {
  std::string name(10, ' ');
  if (rng.Chance(15)) return name;
  for (auto& c : name) c = static_cast<char>(rng.Int(0x20, 0x7E));
  return name;
}

// A valid program number of any bank, preset or user.
std::int16_t RandomProgramNumber(Rng& rng) {
  switch (rng.Int(0, 4)) {
    case 0: return static_cast<std::int16_t>(rng.Int(0, 127));
    case 1: return static_cast<std::int16_t>(rng.Int(256, 319));
    case 2:
    case 3: return static_cast<std::int16_t>(rng.Int(320, 383));
    default: return static_cast<std::int16_t>(rng.Int(512, 519));
  }
}

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

ArrangementSetData RandomArrangementSetData(Rng& rng, int trailingBytes) {
  trailingBytes = std::clamp(trailingBytes, 0, kMaxArrangementTrailingBytes);
  ArrangementSetData data;
  rng.Fill(data.header);
  StampHeader(data.header, kArrangement);
  data.dataLength = static_cast<std::int16_t>(kArrangementMinDataLength + trailingBytes);
  PutI16(data.header, kArrangementDataLengthOffset, data.dataLength);
  for (auto& record : data.records) {
    rng.Fill(record.bytes);
    record.SetName(RandomItemName(rng));
    record.SetStyleNumber(static_cast<std::int16_t>(rng.Int(0, 79)));
    for (int t = 0; t < kArrangementTracks; ++t) record.SetTrackProgram(t, RandomProgramNumber(rng));
  }
  data.trailing.resize(static_cast<std::size_t>(trailingBytes));
  rng.Fill(data.trailing);
  return data;
}

ProgramSetData RandomProgramSetData(Rng& rng) {
  ProgramSetData data;
  rng.Fill(data.header);
  StampHeader(data.header, kProgram);
  for (auto& record : data.records) {
    rng.Fill(record.bytes);
    record.SetName(RandomItemName(rng));
  }
  for (auto& kit : data.drumKits) rng.Fill(kit);
  rng.Fill(data.unused1);
  rng.Fill(data.unused2);
  return data;
}

GlobalRecord RandomGlobalRecord(Rng& rng) {
  GlobalRecord global;
  rng.Fill(global.bytes);
  return global;
}

void RandomStyle(Rng& rng, StyleSetData& data, int userIndex, std::int32_t size) {
  const auto i = static_cast<std::size_t>(userIndex);
  data.present[i] = 1;
  data.sizes[i] = size;
  rng.Fill(data.headers[i].bytes);
  // The reader blanks names starting with "UserStyle"; keep clear of them.
  if (data.headers[i].bytes[0] == 'U') data.headers[i].bytes[0] = 'u';
  data.data[i].assign(static_cast<std::size_t>(size) - kStyleHeaderSize, 0);
  rng.Fill(data.data[i]);
}

StyleSetData RandomStyleSetData(Rng& rng, int blockCount) {
  StyleSetData data;
  rng.Fill(data.header);
  data.blockCount = static_cast<std::uint8_t>(blockCount);
  const int styles = blockCount * kStylesPerBlock;
  const int large = rng.Int(0, styles - 1);
  for (int i = 0; i < styles; ++i) {
    const auto at = static_cast<std::size_t>(i);
    const int pick = rng.Int(0, 99);
    if (i == large || pick < 8) {
      RandomStyle(rng, data, i, rng.Int(16385, 65535));
    } else if (pick < 30) {
      data.present[at] = 1;
      data.sizes[at] = kStyleBaseSize;
      rng.Fill(data.headers[at].bytes);
      data.headers[at].SetName(kBlankName);
      data.data[at].assign(kStyleBaseSize - kStyleHeaderSize, 0);
    } else {
      RandomStyle(rng, data, i, pick < 40 ? rng.Int(62, 1200) : kStyleBaseSize + 4 * rng.Int(0, 2000) + rng.Int(0, 3));
    }
  }
  return data;
}

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
