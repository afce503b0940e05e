#include <gtest/gtest.h>

#include "programs/program_data.h"
#include "random_set_parts.h"

namespace tolvane {
namespace {

// The first byte outside the names directory (88 to 727) where a and b differ, or -1.
long FirstDifferenceOutsideTheDirectory(const Bytes& a, const Bytes& b) {
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    if ((i < 88 || i >= 728) && a[i] != b[i]) return static_cast<long>(i);
  return -1;
}

// A file as the instrument might leave it: every byte random.
Bytes RandomFile(std::uint32_t seed) {
  test::Rng rng(seed);
  Bytes file(kProgramFileSize);
  rng.Fill(file);
  return file;
}

TEST(ProgramFile, KeepsEveryByteOfAForeignFileButTheNamesDirectory) {
  const Bytes file = RandomFile(7);
  ProgramSetData data;
  GlobalSetData global;
  ASSERT_TRUE(DecodeProgramFile(file, data));
  ASSERT_TRUE(DecodeGlobalData(file, global));
  const Bytes written = EncodeProgramFile(data, global);
  ASSERT_EQ(written.size(), file.size());
  EXPECT_EQ(FirstDifferenceOutsideTheDirectory(written, file), -1);
  // The directory is rebuilt from the record names, D11 to D88.
  for (std::size_t u = 0; u < 64; ++u)
    EXPECT_EQ(GetText(written, 88 + 10 * u, 10), GetText(file, 3431 + 164 * u, 10)) << u;
  // Each part is where the instrument keeps it.
  EXPECT_EQ(data.unused1[0], file[728]);
  EXPECT_EQ(global.bytes[0], file[748]);
  EXPECT_EQ(data.drumKits[1][0], file[1631]);
  EXPECT_EQ(data.unused2[0], file[2471]);
  EXPECT_EQ(data.unused2[959], file[3430]);
  EXPECT_EQ(data.records[65].bytes[163], file[14254]);
}

TEST(ProgramFile, ShortFileFailsKeepingWhatWasRead) {
  const Bytes full = RandomFile(13);
  ProgramSetData whole;
  ASSERT_TRUE(DecodeProgramFile(full, whole));
  std::vector<std::size_t> lengths{0, 1, 87, 88, 727, 748, 790, 791, 1631, 2471, 3430, 3431, 13926, 13927, 14254};
  for (std::size_t n = 0; n < full.size(); n += 211) lengths.push_back(n);
  for (std::size_t length : lengths) {
    const Bytes file(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
    ProgramSetData read;
    EXPECT_FALSE(DecodeProgramFile(file, read)) << length;
    EXPECT_EQ(EncodeProgramFile(read, GlobalRecord{}).size(), 14255u);
    EXPECT_TRUE(length < 88 || read.header == whole.header) << length;
    EXPECT_TRUE(length < 1631 || read.drumKits[0] == whole.drumKits[0]) << length;
    for (std::size_t u = 0; u < 64; ++u) {
      const std::size_t start = 3431 + 164 * u, end = start + 164;
      if (start < length && length < end) continue;  // cut inside this record
      EXPECT_EQ(read.records[u], end <= length ? whole.records[u] : ProgramRecord{}) << length << " " << u;
    }
    GlobalSetData global;
    EXPECT_EQ(DecodeGlobalData(file, global), length >= 791) << length;
  }
  // Bytes after the last drum kit are not part of the file and are dropped.
  Bytes longer = full;
  longer.push_back(0x42);
  ProgramSetData read;
  GlobalSetData global;
  ASSERT_TRUE(DecodeProgramFile(longer, read));
  ASSERT_TRUE(DecodeGlobalData(longer, global));
  const Bytes written = EncodeProgramFile(read, global);
  EXPECT_EQ(written.size(), 14255u);
  EXPECT_EQ(FirstDifferenceOutsideTheDirectory(written, full), -1);
}

}  // namespace
}  // namespace tolvane
