// All five Set files at once: generated Sets read back field by field and are
// written again byte for byte. What damaged files may do to a reader is held
// by the fuzz targets, whose kept corpus every test run replays.

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

}  // namespace
}  // namespace tolvane::test
