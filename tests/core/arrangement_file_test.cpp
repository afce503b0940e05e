#include <gtest/gtest.h>

#include "arrangements/arrangement_data.h"
#include "random_set_parts.h"

namespace tolvane {
namespace {

constexpr std::size_t kTrailingAt = 9056;

Bytes GeneratedFile(std::uint32_t seed, int trailing) {
  test::Rng rng(seed);
  return EncodeArrangementFile(test::RandomArrangementSetData(rng, trailing));
}

// A store that writes a file its own reader accepts in full.
void ExpectConsistent(const ArrangementSetData& data) {
  EXPECT_GE(data.dataLength, kArrangementMinDataLength);
  EXPECT_EQ(GetI16(data.header, kArrangementDataLengthOffset), data.dataLength);
  EXPECT_EQ(data.trailing.size(), static_cast<std::size_t>(data.dataLength - kArrangementMinDataLength));
  EXPECT_EQ(EncodeArrangementFile(data).size(), static_cast<std::size_t>(data.dataLength) + 672);
}

TEST(ArrangementFile, NamesDirectoryIsIgnoredAndRewritten) {
  const Bytes original = GeneratedFile(5, 40);
  Bytes file = original;
  for (std::size_t i = 32; i < 672; ++i) file[i] = static_cast<std::uint8_t>('x' + i % 3);
  ArrangementSetData read;
  ASSERT_TRUE(DecodeArrangementFile(file, read));
  EXPECT_EQ(EncodeArrangementFile(read), original);
  for (int n = 0; n < kArrangementCount; ++n)
    EXPECT_EQ(GetText(original, 32 + 10 * static_cast<std::size_t>(n), 10), ArrangementName(read, n));
}

TEST(ArrangementFile, BadDataLengthFailsAndLeavesAWritableStore) {
  const Bytes good = GeneratedFile(9, 0);
  ArrangementSetData reference;
  ASSERT_TRUE(DecodeArrangementFile(good, reference));
  for (int length : {8383, 0, -1, -32768, 32095, 32767}) {
    Bytes file = good;
    PutI16(file, 28, static_cast<std::int16_t>(length));
    ArrangementSetData read;
    EXPECT_FALSE(DecodeArrangementFile(file, read)) << length;
    EXPECT_EQ(read.records, reference.records);
    ExpectConsistent(read);
  }
}

TEST(ArrangementFile, TruncatedFileFailsKeepingWhatWasRead) {
  const Bytes full = GeneratedFile(11, 300);
  ArrangementSetData whole;
  ASSERT_TRUE(DecodeArrangementFile(full, whole));
  std::vector<std::size_t> lengths{0, 1, 28, 29, 30, 31, 32, 671, 672, 673, 802, 803, 9055, 9056, 9057, full.size() - 1};
  for (std::size_t n = 0; n < full.size(); n += 97) lengths.push_back(n);
  for (std::size_t length : lengths) {
    const Bytes file(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
    ArrangementSetData read;
    EXPECT_FALSE(DecodeArrangementFile(file, read)) << length;
    ExpectConsistent(read);
    if (length < 30) continue;  // the data length itself is missing
    for (std::size_t r = 0; r < kArrangementCount && 672 + 131 * (r + 1) <= length; ++r)
      EXPECT_EQ(read.records[r], whole.records[r]) << length;
    for (std::size_t i = 0; i < read.trailing.size(); ++i)
      ASSERT_EQ(read.trailing[i], kTrailingAt + i < length ? whole.trailing[i] : 0) << length << " " << i;
  }
}

}  // namespace
}  // namespace tolvane
