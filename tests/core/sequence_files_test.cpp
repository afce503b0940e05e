#include <gtest/gtest.h>

#include "random_set_parts.h"
#include "sequences/sequence_data.h"

namespace tolvane {
namespace {

constexpr std::size_t kBsqOffsets = 1966;
constexpr std::size_t kBsqEnd = 2306;
constexpr std::size_t kBsqData = 2308;
constexpr std::size_t kSngOffsets = 3176;
constexpr std::size_t kSngPatternOffsets = 3516;
constexpr std::size_t kSngEnd = 3716;
constexpr std::size_t kSngData = 3718;

std::size_t OffsetAt(std::size_t table, int item, int track) {
  return table + 2 * static_cast<std::size_t>(item * kEventTracks + track);
}

// Offsets from 1000 upwards: item 0 has 5 blocks in track 3, item 9 has 2
// blocks in its last track, which ends at the end offset.
Bytes SmallBackingSequenceFile() {
  BackingSequenceSetData data;
  for (std::size_t i = 0; i < kSequenceItemCount; ++i)
    for (std::size_t t = 0; t < kEventTracks; ++t) data.trackOffsets[i][t] = static_cast<std::int16_t>(i == 0 && t <= 3 ? 1000 : 1005);
  data.endOffset = 1007;
  data.eventData[0] = Bytes(5 * 16, 0x11);
  data.eventData[9] = Bytes(2 * 16, 0x99);
  return EncodeBackingSequenceFile(data);
}

TEST(BackingSequenceFile, SizesComeFromTheOffsetTables) {
  // Where the tables and the events sit, as the damaged files below rely on.
  const Bytes file = SmallBackingSequenceFile();
  ASSERT_EQ(file.size(), kBsqData + 7 * 16);
  EXPECT_EQ(GetI16(file, OffsetAt(kBsqOffsets, 0, 4)), 1005);
  EXPECT_EQ(GetI16(file, kBsqEnd), 1007);
  EXPECT_EQ(file[kBsqData + 5 * 16], 0x99);
  BackingSequenceSetData read;

  // All items empty, and a byte past the last area that belongs to none.
  BackingSequenceSetData empty;
  for (auto& item : empty.trackOffsets) item.fill(-77);
  empty.endOffset = -77;
  Bytes emptyFile = EncodeBackingSequenceFile(empty);
  ASSERT_EQ(emptyFile.size(), kBsqData);
  emptyFile.push_back(0x5A);
  ASSERT_TRUE(DecodeBackingSequenceFile(emptyFile, read));
  for (const auto& events : read.eventData) EXPECT_TRUE(events.empty());
  EXPECT_EQ(EventMemoryFigures(read, SongSetData{}).backSeqs, 0);
  EXPECT_EQ(EncodeBackingSequenceFile(read).size(), kBsqData);
}

TEST(BackingSequenceFile, DamagedTablesFailKeepingWhatWasRead) {
  const Bytes good = SmallBackingSequenceFile();
  BackingSequenceSetData read;

  // Offsets running backwards: track 5 of item 2 would be negative.
  Bytes file = good;
  PutI16(file, OffsetAt(kBsqOffsets, 2, 6), 1004);
  EXPECT_FALSE(DecodeBackingSequenceFile(file, read));
  EXPECT_EQ(read.eventData[0], Bytes(80, 0x11));
  EXPECT_EQ(read.records[9], BackingSequenceRecord{});

  // A single difference too large for 16 bits.
  file = good;
  for (int i = 0; i < kSequenceItemCount; ++i)
    for (int t = 0; t < kEventTracks; ++t) PutI16(file, OffsetAt(kBsqOffsets, i, t), -20000);
  PutI16(file, OffsetAt(kBsqOffsets, 9, 16), 20000);
  PutI16(file, kBsqEnd, 20000);
  EXPECT_FALSE(DecodeBackingSequenceFile(file, read));

  // Every track fits, their sum over one item does not.
  file = good;
  for (int t = 0; t < kEventTracks; ++t) PutI16(file, OffsetAt(kBsqOffsets, 0, t), static_cast<std::int16_t>(-20000 + 2000 * t));
  for (int i = 1; i < kSequenceItemCount; ++i)
    for (int t = 0; t < kEventTracks; ++t) PutI16(file, OffsetAt(kBsqOffsets, i, t), 14000);
  PutI16(file, kBsqEnd, 14000);
  EXPECT_FALSE(DecodeBackingSequenceFile(file, read));

  // Offsets past the end of the file: item 9 claims far more than is there.
  file = good;
  PutI16(file, kBsqEnd, 30000);
  EXPECT_FALSE(DecodeBackingSequenceFile(file, read));
  EXPECT_EQ(read.eventData[0], Bytes(80, 0x11));
  EXPECT_TRUE(read.eventData[9].empty());

  // Truncations anywhere fail.
  for (std::size_t length = 0; length < good.size(); length += 7)
    EXPECT_FALSE(DecodeBackingSequenceFile(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)), read)) << length;
}

TEST(SongFile, DamagedTablesFail) {
  test::Rng rng(63);
  const SongSetData original = test::RandomSongSetData(rng);
  const Bytes good = EncodeSongFile(original);
  SongSetData read;

  Bytes file = good;  // Pattern 40 would start before Pattern 39
  PutI16(file, kSngPatternOffsets + 2 * 40, static_cast<std::int16_t>(original.patternOffsets[39] - 1));
  EXPECT_FALSE(DecodeSongFile(file, read));
  EXPECT_EQ(read.eventData, original.eventData);  // the Songs were read before
  EXPECT_EQ(read.patternData[38], original.patternData[38]);
  EXPECT_TRUE(read.patternData[40].empty());

  file = good;  // the Patterns' area ends before it begins
  PutI16(file, kSngEnd, static_cast<std::int16_t>(GetI16(file, kSngPatternOffsets) - 1));
  EXPECT_FALSE(DecodeSongFile(file, read));

  file = good;  // the Songs' area is wider than 16 bits
  PutI16(file, OffsetAt(kSngOffsets, 0, 0), -32768);
  PutI16(file, kSngPatternOffsets, 32767);
  EXPECT_FALSE(DecodeSongFile(file, read));

  file = good;  // the last Pattern lacks one block
  file.resize(file.size() - 1);
  EXPECT_FALSE(DecodeSongFile(file, read));

  for (std::size_t length : {std::size_t{0}, std::size_t{15}, std::size_t{2976}, kSngEnd + 1, kSngData + 1})
    EXPECT_FALSE(DecodeSongFile(Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)), read)) << length;
}

TEST(EventMemory, FiguresAddUpAndFreeMayGoBelowZero) {
  BackingSequenceSetData bsq;
  bsq.itemSizes = {100, 0, 0, 0, 0, 0, 0, 0, 0, 8000};
  SongSetData sng;
  sng.itemSizes = {6000, 0, 0, 0, 0, 0, 0, 0, 0, 2000};
  sng.patternOffsets[0] = -100;
  sng.endOffset = 186;
  const EventMemory m = EventMemoryFigures(bsq, sng);
  EXPECT_EQ(std::vector<int>({m.backSeqs, m.songs, m.patterns, m.total, m.free}),
            std::vector<int>({8100, 8000, 286, 16386, -2}));
}

}  // namespace
}  // namespace tolvane
