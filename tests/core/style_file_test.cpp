#include <gtest/gtest.h>

#include "random_set_parts.h"
#include "storage/text.h"
#include "styles/style_accessors.h"
#include "styles/style_data.h"

namespace tolvane {
namespace {

constexpr std::size_t kBody0 = kStyleFirstBlockOffset + kBlockTableSize;  // first Style's header

// Blocks of empty Styles: the usual content of a fresh Set's Blocks.
StyleSetData EmptyBlocks(int blocks) {
  StyleSetData data;
  data.blockCount = static_cast<std::uint8_t>(blocks);
  for (std::size_t i = 0; i < static_cast<std::size_t>(blocks * kStylesPerBlock); ++i) {
    data.present[i] = 1;
    data.sizes[i] = kStyleBaseSize;
    data.headers[i].SetName(kBlankName);
  }
  return data;
}

// Where Block b's table starts in the encoded file.
std::size_t BlockStart(const StyleSetData& data, int b) {
  std::size_t at = kStyleFirstBlockOffset;
  for (int i = 0; i < b * kStylesPerBlock; ++i) at += static_cast<std::size_t>(data.sizes[static_cast<std::size_t>(i)]);
  return at + kBlockTableSize * static_cast<std::size_t>(b);
}

// The placement of Style k in the Block table at blockStart; bytes 1 and 3 are fixed.
int Placement(const Bytes& file, std::size_t blockStart, int k) {
  const std::size_t e = blockStart + 6 * static_cast<std::size_t>(k);
  EXPECT_EQ(file[e + 1], 0);
  EXPECT_EQ(file[e + 3], 4);
  return file[e + 2] * 256 + file[e];
}

TEST(StyleFile, BytesAfterTheEighthBlockAreNoPartOfTheSet) {
  test::Rng rng(41);
  // Not even what looks like a ninth Block.
  const Bytes file = EncodeStyleFile(test::RandomStyleSetData(rng, 8));
  Bytes longer = file;
  const Bytes ninth = EncodeStyleFile(EmptyBlocks(1));
  longer.insert(longer.end(), ninth.begin() + kStyleFirstBlockOffset, ninth.end());
  StyleSetData read;
  ASSERT_TRUE(DecodeStyleFile(longer, read));
  EXPECT_EQ(EncodeStyleFile(read), file);
}

TEST(StyleFile, WritesTheFirstFourNamesAndIgnoresThemOnReading) {
  test::Rng rng(7);
  StyleSetData data = test::RandomStyleSetData(rng, 2);
  data.headers[2].SetName("Ballad 2");
  Bytes file = EncodeStyleFile(data);
  for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(GetText(file, 32 + 10 * i, 10), data.headers[i].Name());
  EXPECT_EQ(GetText(file, 52, 10), "Ballad 2  ");
  file[32] = 'X';
  StyleSetData read;
  ASSERT_TRUE(DecodeStyleFile(file, read));
  EXPECT_EQ(read.headers[0], data.headers[0]);
}

TEST(StyleFile, PlacementsRoundEachStyleUpToSixteenBytesButBodiesDoNot) {
  StyleSetData data = EmptyBlocks(2);
  Bytes file = EncodeStyleFile(data);
  std::vector<int> placements;
  for (int k = 0; k < 4; ++k) placements.push_back(Placement(file, kStyleFirstBlockOffset, k));
  EXPECT_EQ(placements, (std::vector<int>{32, 1200, 2368, 3536}));
  // Every Block starts counting its own memory again.
  EXPECT_EQ(Placement(file, kBody0 + 4 * 1168, 0), 32);
  EXPECT_EQ(Placement(file, kBody0 + 4 * 1168, 3), 3536);

  data = EmptyBlocks(1);
  data.sizes[0] = 1170;
  data.data[0].assign(1170 - kStyleHeaderSize, 0xAB);
  data.headers[1].SetName("Second");
  file = EncodeStyleFile(data);
  placements.clear();
  for (int k = 0; k < 4; ++k) placements.push_back(Placement(file, kStyleFirstBlockOffset, k));
  EXPECT_EQ(placements, (std::vector<int>{32, 1216, 2384, 3552}));
  EXPECT_EQ(GetI16(file, kStyleFirstBlockOffset + 4), 1170);
  EXPECT_EQ(file[kBody0 + 1170 - 1], 0xAB);
  EXPECT_EQ(GetText(file, kBody0 + 1170, 10), "Second    ");
  EXPECT_EQ(file.size(), kBody0 + 1170 + 3 * 1168);
}

TEST(StyleFile, EmptyStyleKeepsTheTemplateHeaderButItsName) {
  StyleHeader templateHeader;
  for (std::size_t b = 0; b < templateHeader.bytes.size(); ++b) templateHeader.bytes[b] = static_cast<std::uint8_t>(b + 1);
  const StyleClip empty = MakeEmptyStyleTemplate(templateHeader);
  EXPECT_EQ(empty.header.Name(), kBlankName);
  EXPECT_TRUE(std::equal(empty.header.bytes.begin() + 10, empty.header.bytes.end(), templateHeader.bytes.begin() + 10));
  EXPECT_EQ(empty.present, 1);
  EXPECT_EQ(empty.size, 1168);
  EXPECT_TRUE(empty.data.empty());
}

TEST(StyleFile, NeverUsedUserStylesReadAsEmpty) {
  test::Rng rng(3);
  StyleSetData data = test::RandomStyleSetData(rng, 1);
  const char* names[] = {"UserStyle7", "userStyle7", "UserStylX "};  // case counts
  for (int i = 1; i <= 3; ++i) {
    test::RandomStyle(rng, data, i, 2000);
    data.headers[static_cast<std::size_t>(i)].SetName(names[i - 1]);
  }
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

  // Saved as an empty Style of unchanged size, its data all zero.
  const Bytes again = EncodeStyleFile(read);
  const std::size_t body1 = kBody0 + static_cast<std::size_t>(read.sizes[0]);
  EXPECT_EQ(GetText(again, body1, 10), kBlankName);
  EXPECT_TRUE(std::all_of(again.begin() + static_cast<std::ptrdiff_t>(body1 + 62),
                          again.begin() + static_cast<std::ptrdiff_t>(body1 + 2000), [](auto b) { return b == 0; }));
  EXPECT_EQ(GetText(again, body1 + 2000, 10), "userStyle7");
}

TEST(StyleFile, FileEndingInsideABlockIsNotReadWholeButCountsItWithZeroBytes) {
  test::Rng rng(13);
  const StyleSetData data = test::RandomStyleSetData(rng, 3);
  const Bytes file = EncodeStyleFile(data);
  // Cut in the middle of the second Style of Block 2.
  const std::size_t cut = BlockStart(data, 1) + kBlockTableSize + static_cast<std::size_t>(data.sizes[4]) + 30;
  StyleSetData read;
  EXPECT_FALSE(DecodeStyleFile(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut)), read));
  EXPECT_EQ(read.blockCount, 2);
  EXPECT_EQ(read.present[7], 1);
  EXPECT_EQ(read.present[8], 0);
  EXPECT_EQ(read.data[4], data.data[4]);
  EXPECT_TRUE(std::equal(read.headers[5].bytes.begin(), read.headers[5].bytes.begin() + 30, data.headers[5].bytes.begin()));
  EXPECT_EQ(read.headers[5].bytes[30], 0);
  EXPECT_EQ(read.sizes[7], data.sizes[7]);
  EXPECT_EQ(read.data[7], Bytes(static_cast<std::size_t>(data.sizes[7]) - 62, 0));
  // Written back at full size.
  EXPECT_EQ(EncodeStyleFile(read).size(), BlockStart(data, 2));
}

TEST(StyleFile, SizeBelowTheHeaderFailsKeepingEarlierBlocks) {
  test::Rng rng(17);
  const StyleSetData data = test::RandomStyleSetData(rng, 3);
  Bytes file = EncodeStyleFile(data);
  const std::size_t size2 = BlockStart(data, 1) + 6 * 2 + 4;  // of the third Style of Block 2
  PutI16(file, size2, 61);
  StyleSetData read;
  EXPECT_FALSE(DecodeStyleFile(file, read));
  EXPECT_EQ(read.blockCount, 1);
  EXPECT_EQ(read.data[3], data.data[3]);
  EXPECT_EQ(read.present[4], 0);

  PutI16(file, size2, 62);  // a bare header is a Style without data
  DecodeStyleFile(file, read);
  EXPECT_TRUE(read.data[6].empty());

  // Too short to hold the first Block table.
  for (std::size_t length : {0, 8, 32, 71, 72, 80}) {
    EXPECT_FALSE(DecodeStyleFile(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length)), read)) << length;
    EXPECT_EQ(read.blockCount, 0);
  }
}

TEST(StyleFile, BlockSizesOverrunningTheFileAreReadAsZeroButNotWhole) {
  Bytes file = EncodeStyleFile(EmptyBlocks(1));
  // The last Style claims 65535 bytes; the file holds only its first 1168.
  PutU16(file, kStyleFirstBlockOffset + 18 + 4, 0xFFFF);
  StyleSetData read;
  EXPECT_FALSE(DecodeStyleFile(file, read));
  EXPECT_EQ(read.blockCount, 1);
  EXPECT_EQ(read.sizes[3], 65535);
  EXPECT_EQ(read.data[3].size(), 65535u - 62);
  EXPECT_EQ(StyleEventCount(read, 3), (65535 - 1168) / 4);
}

}  // namespace
}  // namespace tolvane
