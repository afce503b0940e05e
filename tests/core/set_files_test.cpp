// All five Set files at once: generated Sets read back field by field and are
// written again byte for byte, and damaged files never lead a reader astray.

#include <gtest/gtest.h>

#include <tuple>

#include "random_set_parts.h"
#include "set_builder.h"
#include "storage/tables.h"

namespace tolvane::test {
namespace {

TEST(SetFiles, EveryFieldReadsBackAndEveryByteIsWrittenAgain) {
  for (int blocks = 1; blocks <= kStyleBlockCount; ++blocks) {
    SCOPED_TRACE(blocks);
    Rng rng(static_cast<std::uint32_t>(40 + blocks));
    SetStores set = RandomSet(rng, blocks);
    if (blocks == 1) set.arrangements = RandomArrangementSetData(rng, 0);
    if (blocks == 8) set.arrangements = RandomArrangementSetData(rng, kMaxArrangementTrailingBytes);
    SetStores read;
    const Bytes pcg = EncodeKind(set, kProgram);
    ASSERT_TRUE(DecodeArrangementFile(EncodeKind(set, kArrangement), read.arrangements));
    ASSERT_TRUE(DecodeStyleFile(EncodeKind(set, kStyle), read.styles));
    ASSERT_TRUE(DecodeProgramFile(pcg, read.programs) && DecodeGlobalData(pcg, read.global));
    ASSERT_TRUE(DecodeBackingSequenceFile(EncodeKind(set, kBackingSequence), read.backingSequences));
    ASSERT_TRUE(DecodeSongFile(EncodeKind(set, kSong), read.songs));
    for (int k = 0; k < kSetFileKinds; ++k) EXPECT_EQ(EncodeKind(read, k), EncodeKind(set, k)) << k;

    auto arr = [](const SetStores& s) { const auto& a = s.arrangements; return std::tie(a.header, a.dataLength, a.records, a.trailing); };
    auto sty = [](const SetStores& s) { const auto& y = s.styles; return std::tie(y.header, y.blockCount, y.present, y.sizes, y.headers, y.data); };
    auto pcgOf = [](const SetStores& s) { const auto& p = s.programs; return std::tie(p.header, p.records, p.drumKits, p.unused1, p.unused2, s.global); };
    auto items = [](const auto& q) { return std::tie(q.header, q.records, q.trackOffsets, q.endOffset, q.trackSizes, q.itemSizes, q.eventData); };
    auto patterns = [](const SongSetData& q) { return std::tie(q.songTable2, q.patternOffsets, q.patternData); };
    EXPECT_TRUE(arr(read) == arr(set));
    EXPECT_TRUE(sty(read) == sty(set));
    EXPECT_TRUE(pcgOf(read) == pcgOf(set));
    EXPECT_TRUE(items(read.backingSequences) == items(set.backingSequences));
    EXPECT_TRUE(items(read.songs) == items(set.songs) && patterns(read.songs) == patterns(set.songs));
  }
}

// Up to `flips` random bytes, `inPart` percent of them in [from, to), where
// damage steers the reader most; the file is cut short now and then.
Bytes Damaged(Rng& rng, Bytes file, std::size_t from, std::size_t to, int inPart, int flips) {
  for (int f = rng.Int(1, flips); f > 0; --f) {
    const int at = rng.Chance(inPart) ? rng.Int(static_cast<int>(from), static_cast<int>(to) - 1)
                                      : rng.Int(0, static_cast<int>(file.size()) - 1);
    file[static_cast<std::size_t>(at)] = rng.Byte();
  }
  if (rng.Chance(40)) file.resize(static_cast<std::size_t>(rng.Int(0, static_cast<int>(file.size()))));
  return file;
}

// What a reader kept, whole or not, is written as a file that reads back the same.
template <class Data, class Encode>
void ExpectReadsBack(const Data& read, bool (*decode)(std::span<const std::uint8_t>, Data&), Encode encode) {
  Data again;
  ASSERT_TRUE(decode(encode(read), again));
  ASSERT_EQ(encode(again), encode(read));
}

TEST(SetFiles, DamagedFilesNeverBreakAReader) {
  Rng rng(2024);
  const SetStores set = RandomSet(rng, 8);
  const Bytes arr = EncodeKind(set, kArrangement), sty = EncodeKind(set, kStyle), pcg = EncodeKind(set, kProgram);
  const Bytes bsq = EncodeKind(set, kBackingSequence), sng = EncodeKind(set, kSong);
  const auto pcgOf = [](const ProgramSetData& p) { return EncodeProgramFile(p, GlobalRecord{}); };
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    // Half the flips hit the data length; a file may also be longer than it says.
    Bytes file = Damaged(rng, arr, 28, 30, 50, 12);
    if (rng.Chance(20)) file.resize(file.size() + static_cast<std::size_t>(rng.Int(1, 3000)), 0xAA);
    ArrangementSetData a;
    if (DecodeArrangementFile(file, a)) {
      // Everything the header claims was present and is written back unchanged.
      const Bytes written = EncodeArrangementFile(a);
      ASSERT_LE(written.size(), file.size());
      EXPECT_TRUE(std::equal(written.begin() + 672, written.end(), file.begin() + 672));
      EXPECT_TRUE(std::equal(written.begin(), written.begin() + 32, file.begin()));
    }
    EXPECT_EQ(GetI16(a.header, kArrangementDataLengthOffset), a.dataLength);
    EXPECT_EQ(a.trailing.size(), static_cast<std::size_t>(a.dataLength - kArrangementMinDataLength));
    ExpectReadsBack(a, DecodeArrangementFile, EncodeArrangementFile);

    // A program file of the full size reads whole, and keeps every byte but the names directory.
    file = Damaged(rng, pcg, 0, pcg.size(), 100, 20);
    ProgramSetData p;
    const bool whole = DecodeProgramFile(file, p);
    EXPECT_EQ(whole, file.size() == pcg.size());
    GlobalSetData g;
    DecodeGlobalData(file, g);
    const Bytes written = EncodeProgramFile(p, g);
    ASSERT_EQ(written.size(), pcg.size());
    for (std::size_t i = 0; whole && i < written.size(); i = i == 87 ? 728 : i + 1) ASSERT_EQ(written[i], file[i]) << i;
    ExpectReadsBack(p, DecodeProgramFile, pcgOf);

    // Most flips land in a Block table, where they hurt most.
    const int block = rng.Int(0, 7);
    std::size_t table = kStyleFirstBlockOffset + kBlockTableSize * static_cast<std::size_t>(block);
    for (std::size_t i = 0; i < static_cast<std::size_t>(block * kStylesPerBlock); ++i) table += static_cast<std::size_t>(set.styles.sizes[i]);
    StyleSetData s;
    if (DecodeStyleFile(Damaged(rng, sty, table, table + 24, 60, 6), s)) {
      ASSERT_GE(s.blockCount, 1);
      ASSERT_LE(s.blockCount, 8);
      for (std::size_t i = 0; i < kUserStyleCount; ++i)
        ASSERT_TRUE(!s.present[i] || s.data[i].empty() || s.data[i].size() == static_cast<std::size_t>(s.sizes[i]) - 62) << i;
    }
    // A file whose first Block is damaged keeps no Block, and so no Style file.
    if (s.blockCount > 0) ExpectReadsBack(s, DecodeStyleFile, EncodeStyleFile);

    // Most flips land in the offset tables; the events' sizes follow them.
    auto sizesMatch = [](const auto& q) {
      for (std::size_t i = 0; i < kSequenceItemCount; ++i) ASSERT_EQ(q.eventData[i].size(), 16u * static_cast<std::size_t>(q.itemSizes[i]));
    };
    BackingSequenceSetData b;
    if (DecodeBackingSequenceFile(Damaged(rng, bsq, 1966, 2308, 75, 8), b)) sizesMatch(b);
    ExpectReadsBack(b, DecodeBackingSequenceFile, EncodeBackingSequenceFile);
    SongSetData n;
    if (DecodeSongFile(Damaged(rng, sng, 3176, 3718, 75, 8), n)) sizesMatch(n);
    ExpectReadsBack(n, DecodeSongFile, EncodeSongFile);
  }
}

}  // namespace
}  // namespace tolvane::test
