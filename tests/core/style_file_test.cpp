#include <gtest/gtest.h>

#include "random_styles.h"
#include "storage/text.h"
#include "styles/style_accessors.h"
#include "styles/style_data.h"

namespace tolvane {
namespace {

constexpr std::size_t kBody0 = kStyleFirstBlockOffset + kBlockTableSize;  // first Style's header

// One Block of empty Styles: the usual content of a fresh Set's Blocks.
StyleSetData EmptyBlocks(int blocks) {
  StyleSetData data;
  data.blockCount = static_cast<std::uint8_t>(blocks);
  for (int i = 0; i < blocks * kStylesPerBlock; ++i) {
    const auto at = static_cast<std::size_t>(i);
    data.present[at] = 1;
    data.sizes[at] = kStyleBaseSize;
    data.headers[at].SetName(kBlankName);
  }
  return data;
}

int Placement(const Bytes& file, std::size_t blockStart, int k) {
  const std::size_t e = blockStart + 6 * static_cast<std::size_t>(k);
  EXPECT_EQ(file[e + 1], 0);
  EXPECT_EQ(file[e + 3], 4);
  return file[e + 2] * 256 + file[e];
}

void ExpectSameStyles(const StyleSetData& a, const StyleSetData& b) {
  EXPECT_EQ(a.header, b.header);
  EXPECT_EQ(a.blockCount, b.blockCount);
  EXPECT_EQ(a.present, b.present);
  EXPECT_EQ(a.sizes, b.sizes);
  for (std::size_t i = 0; i < kUserStyleCount; ++i) {
    EXPECT_EQ(a.headers[i], b.headers[i]) << "Style " << i;
    EXPECT_EQ(a.data[i], b.data[i]) << "Style " << i;
  }
}

TEST(StyleFile, RoundTripsEveryByteForOneToEightBlocks) {
  test::Rng rng(41);
  for (int blocks = 1; blocks <= kStyleBlockCount; ++blocks) {
    SCOPED_TRACE(blocks);
    const StyleSetData original = test::RandomStyleSetData(rng, blocks);
    const Bytes file = EncodeStyleFile(original);
    std::size_t expectedLength = kStyleFirstBlockOffset + kBlockTableSize * static_cast<std::size_t>(blocks);
    for (int i = 0; i < blocks * kStylesPerBlock; ++i) expectedLength += static_cast<std::size_t>(original.sizes[static_cast<std::size_t>(i)]);
    EXPECT_EQ(file.size(), expectedLength);

    StyleSetData read;
    ASSERT_TRUE(DecodeStyleFile(file, read));
    ExpectSameStyles(read, original);
    EXPECT_EQ(EncodeStyleFile(read), file);
  }
}

TEST(StyleFile, WritesTheFirstFourNamesAndIgnoresThemOnReading) {
  test::Rng rng(7);
  StyleSetData data = test::RandomStyleSetData(rng, 2);
  data.headers[2].SetName("Ballad 2");
  Bytes file = EncodeStyleFile(data);
  EXPECT_EQ(GetText(file, 52, 10), "Ballad 2  ");
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(GetText(file, 32 + 10 * static_cast<std::size_t>(i), 10), data.headers[static_cast<std::size_t>(i)].Name());
  file[32] = 'X';
  StyleSetData read;
  ASSERT_TRUE(DecodeStyleFile(file, read));
  EXPECT_EQ(read.headers[0], data.headers[0]);
}

TEST(StyleFile, PlacementsRoundEachStyleUpToSixteenBytesButBodiesDoNot) {
  StyleSetData data = EmptyBlocks(1);
  Bytes file = EncodeStyleFile(data);
  EXPECT_EQ(Placement(file, kStyleFirstBlockOffset, 0), 32);
  EXPECT_EQ(Placement(file, kStyleFirstBlockOffset, 1), 1200);
  EXPECT_EQ(Placement(file, kStyleFirstBlockOffset, 2), 2368);
  EXPECT_EQ(Placement(file, kStyleFirstBlockOffset, 3), 3536);
  EXPECT_EQ(BlockFreeEvents(data, 3), 15200);

  data.sizes[0] = 1170;
  data.data[0].assign(1170 - kStyleHeaderSize, 0xAB);
  data.headers[1].SetName("Second");
  file = EncodeStyleFile(data);
  EXPECT_EQ(Placement(file, kStyleFirstBlockOffset, 0), 32);
  EXPECT_EQ(Placement(file, kStyleFirstBlockOffset, 1), 1216);
  EXPECT_EQ(Placement(file, kStyleFirstBlockOffset, 2), 2384);
  EXPECT_EQ(Placement(file, kStyleFirstBlockOffset, 3), 3552);
  EXPECT_EQ(file[kStyleFirstBlockOffset + 4], 1170 % 256);
  EXPECT_EQ(file[kStyleFirstBlockOffset + 5], 1170 / 256);
  EXPECT_EQ(file[kBody0 + 1170 - 1], 0xAB);
  EXPECT_EQ(GetText(file, kBody0 + 1170, 10), "Second    ");
  EXPECT_EQ(file.size(), kBody0 + 1170 + 3 * 1168);
  // Every Block starts counting its own memory again.
  data = EmptyBlocks(2);
  file = EncodeStyleFile(data);
  EXPECT_EQ(Placement(file, kBody0 + 4 * 1168, 0), 32);
  EXPECT_EQ(Placement(file, kBody0 + 4 * 1168, 3), 3536);
}

TEST(StyleFile, EmptyStyleIsWrittenWithZeroBytesForItsData) {
  StyleHeader templateHeader;
  for (std::size_t b = 0; b < templateHeader.bytes.size(); ++b) templateHeader.bytes[b] = static_cast<std::uint8_t>(b + 1);
  const StyleClip empty = MakeEmptyStyleTemplate(templateHeader);
  EXPECT_EQ(empty.header.Name(), kBlankName);
  EXPECT_TRUE(std::equal(empty.header.bytes.begin() + 10, empty.header.bytes.end(), templateHeader.bytes.begin() + 10));
  EXPECT_EQ(empty.present, 1);
  EXPECT_EQ(empty.size, 1168);
  EXPECT_TRUE(empty.data.empty());

  StyleSetData data = EmptyBlocks(1);
  for (auto& d : data.data) d.clear();
  data.headers[3] = empty.header;
  const Bytes file = EncodeStyleFile(data);
  ASSERT_EQ(file.size(), kBody0 + 4 * 1168);
  const std::size_t body3 = kBody0 + 3 * 1168;
  EXPECT_TRUE(std::equal(empty.header.bytes.begin(), empty.header.bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(body3)));
  EXPECT_TRUE(std::all_of(file.begin() + static_cast<std::ptrdiff_t>(body3 + 62), file.end(), [](auto b) { return b == 0; }));
}

TEST(StyleFile, NeverUsedUserStylesReadAsEmpty) {
  test::Rng rng(3);
  StyleSetData data = test::RandomStyleSetData(rng, 1);
  test::RandomStyle(rng, data, 1, 2000);
  data.headers[1].SetName("UserStyle7");
  test::RandomStyle(rng, data, 2, 2000);
  data.headers[2].SetName("userStyle7");  // case counts
  test::RandomStyle(rng, data, 3, 2000);
  data.headers[3].SetName("UserStylX ");

  StyleSetData read;
  ASSERT_TRUE(DecodeStyleFile(EncodeStyleFile(data), read));
  EXPECT_EQ(read.headers[1].Name(), kBlankName);
  EXPECT_TRUE(read.data[1].empty());
  EXPECT_EQ(read.sizes[1], 2000);
  EXPECT_TRUE(std::equal(read.headers[1].bytes.begin() + 10, read.headers[1].bytes.end(), data.headers[1].bytes.begin() + 10));
  EXPECT_TRUE(IsUserStyleEmpty(read, 1));
  EXPECT_EQ(read.headers[2], data.headers[2]);
  EXPECT_EQ(read.headers[3], data.headers[3]);
  EXPECT_EQ(read.data[3], data.data[3]);

  // Saved as an empty Style of unchanged size.
  const Bytes again = EncodeStyleFile(read);
  const std::size_t body1 = kBody0 + static_cast<std::size_t>(read.sizes[0]);
  EXPECT_EQ(GetText(again, body1, 10), kBlankName);
  EXPECT_TRUE(std::all_of(again.begin() + static_cast<std::ptrdiff_t>(body1 + 62),
                          again.begin() + static_cast<std::ptrdiff_t>(body1 + 2000), [](auto b) { return b == 0; }));
  EXPECT_EQ(GetText(again, body1 + 2000, 10), "userStyle7");
}

TEST(StyleFile, OneBlockLeavesTheOtherStylesAbsent) {
  test::Rng rng(5);
  const StyleSetData data = test::RandomStyleSetData(rng, 1);
  const Bytes file = EncodeStyleFile(data);
  StyleSetData read;
  ASSERT_TRUE(DecodeStyleFile(file, read));
  EXPECT_EQ(read.blockCount, 1);
  for (std::size_t i = 0; i < kUserStyleCount; ++i) EXPECT_EQ(read.present[i], i < 4 ? 1 : 0);
  EXPECT_EQ(EncodeStyleFile(read), file);
}

TEST(StyleFile, BytesAfterTheEighthBlockAreDropped) {
  test::Rng rng(11);
  const Bytes file = EncodeStyleFile(test::RandomStyleSetData(rng, 8));
  Bytes longer = file;
  // What follows looks like a ninth Block of empty Styles.
  const Bytes ninth = EncodeStyleFile(EmptyBlocks(1));
  longer.insert(longer.end(), ninth.begin() + kStyleFirstBlockOffset, ninth.end());
  StyleSetData read;
  ASSERT_TRUE(DecodeStyleFile(longer, read));
  EXPECT_EQ(read.blockCount, 8);
  EXPECT_EQ(EncodeStyleFile(read), file);
}

TEST(StyleFile, FileEndingInsideABlockCountsItWithZeroBytes) {
  test::Rng rng(13);
  const StyleSetData data = test::RandomStyleSetData(rng, 3);
  const Bytes file = EncodeStyleFile(data);
  // Cut in the middle of the second Style of Block 2.
  std::size_t block2 = kStyleFirstBlockOffset + kBlockTableSize;
  for (std::size_t i = 0; i < 4; ++i) block2 += static_cast<std::size_t>(data.sizes[i]);
  const std::size_t cut = block2 + kBlockTableSize + static_cast<std::size_t>(data.sizes[4]) + 30;
  const Bytes shortFile(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));

  StyleSetData read;
  ASSERT_TRUE(DecodeStyleFile(shortFile, read));
  EXPECT_EQ(read.blockCount, 2);
  EXPECT_EQ(read.present[7], 1);
  EXPECT_EQ(read.present[8], 0);
  EXPECT_EQ(read.data[4], data.data[4]);
  EXPECT_TRUE(std::equal(read.headers[5].bytes.begin(), read.headers[5].bytes.begin() + 30, data.headers[5].bytes.begin()));
  EXPECT_EQ(read.headers[5].bytes[30], 0);
  EXPECT_EQ(read.sizes[7], data.sizes[7]);
  EXPECT_EQ(read.data[7], Bytes(static_cast<std::size_t>(data.sizes[7]) - 62, 0));
  // Written back at full size.
  EXPECT_EQ(EncodeStyleFile(read).size(),
            block2 + kBlockTableSize + static_cast<std::size_t>(data.sizes[4] + data.sizes[5] + data.sizes[6] + data.sizes[7]));
}

TEST(StyleFile, SizeBelowTheHeaderFailsKeepingEarlierBlocks) {
  test::Rng rng(17);
  const StyleSetData data = test::RandomStyleSetData(rng, 3);
  Bytes file = EncodeStyleFile(data);
  std::size_t block2 = kStyleFirstBlockOffset + kBlockTableSize;
  for (std::size_t i = 0; i < 4; ++i) block2 += static_cast<std::size_t>(data.sizes[i]);
  file[block2 + 6 * 2 + 4] = 61;
  file[block2 + 6 * 2 + 5] = 0;
  StyleSetData read;
  EXPECT_FALSE(DecodeStyleFile(file, read));
  EXPECT_EQ(read.blockCount, 1);
  EXPECT_EQ(read.data[3], data.data[3]);
  EXPECT_EQ(read.present[4], 0);

  file[block2 + 6 * 2 + 4] = 62;  // a bare header is a Style without data
  ASSERT_TRUE(DecodeStyleFile(file, read));
  EXPECT_TRUE(read.data[6].empty());

  // Too short to hold the first Block table.
  for (std::size_t length : {0, 8, 32, 71, 72, 80}) {
    const Bytes head(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_FALSE(DecodeStyleFile(head, read)) << length;
    EXPECT_EQ(read.blockCount, 0);
  }
}

TEST(StyleFile, BlockSizesOverrunningTheFileAreReadAsZero) {
  StyleSetData data = EmptyBlocks(1);
  Bytes file = EncodeStyleFile(data);
  // The last Style claims 65535 bytes; the file holds only its first 1168.
  file[kStyleFirstBlockOffset + 18 + 4] = 0xFF;
  file[kStyleFirstBlockOffset + 18 + 5] = 0xFF;
  StyleSetData read;
  ASSERT_TRUE(DecodeStyleFile(file, read));
  EXPECT_EQ(read.blockCount, 1);
  EXPECT_EQ(read.sizes[3], 65535);
  EXPECT_EQ(read.data[3].size(), 65535u - 62);
  EXPECT_EQ(StyleEventCount(read, 3), (65535 - 1168) / 4);
}

TEST(StyleFile, TruncatedAndMutatedFilesNeverBreakTheReader) {
  test::Rng rng(2024);
  for (int round = 0; round < 12; ++round) {
    const StyleSetData data = test::RandomStyleSetData(rng, rng.Int(1, 8));
    const Bytes file = EncodeStyleFile(data);
    std::vector<int> tables;  // where the Block tables are, where flips hurt most
    std::size_t at = kStyleFirstBlockOffset;
    for (int b = 0; b < data.blockCount; ++b) {
      tables.push_back(static_cast<int>(at));
      at += kBlockTableSize;
      for (int k = 0; k < kStylesPerBlock; ++k) at += static_cast<std::size_t>(data.sizes[static_cast<std::size_t>(b * 4 + k)]);
    }
    for (int trial = 0; trial < 40; ++trial) {
      Bytes damaged = file;
      const int flips = rng.Int(0, 6);
      for (int f = 0; f < flips; ++f) {
        const int table = tables[static_cast<std::size_t>(rng.Int(0, static_cast<int>(tables.size()) - 1))];
        const int pos = rng.Chance(60) ? table + rng.Int(0, 23) : rng.Int(0, static_cast<int>(damaged.size()) - 1);
        damaged[static_cast<std::size_t>(pos)] = rng.Byte();
      }
      if (rng.Chance(50)) damaged.resize(static_cast<std::size_t>(rng.Int(0, static_cast<int>(damaged.size()))));
      StyleSetData read;
      if (!DecodeStyleFile(damaged, read)) continue;
      ASSERT_GE(read.blockCount, 1);
      ASSERT_LE(read.blockCount, 8);
      for (std::size_t i = 0; i < kUserStyleCount; ++i) {
        if (read.present[i] && !read.data[i].empty()) {
          ASSERT_EQ(read.data[i].size(), static_cast<std::size_t>(read.sizes[i]) - 62);
        }
      }
      // What was read can always be written again.
      StyleSetData again;
      ASSERT_TRUE(DecodeStyleFile(EncodeStyleFile(read), again));
      ASSERT_EQ(again.blockCount, read.blockCount);
    }
  }
}

}  // namespace
}  // namespace tolvane
