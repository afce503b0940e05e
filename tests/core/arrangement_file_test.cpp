#include <gtest/gtest.h>

#include "arrangements/arrangement_clip.h"
#include "arrangements/arrangement_data.h"
#include "random_arrangements.h"
#include "scripted_ui.h"
#include "storage/tables.h"
#include "storage/workspace.h"

namespace tolvane {
namespace {

constexpr std::size_t kTrailingAt = 9056;

Bytes GeneratedFile(std::uint32_t seed, int trailing) {
  test::Rng rng(seed);
  return EncodeArrangementFile(test::RandomArrangementSetData(rng, trailing));
}

void ExpectSame(const ArrangementSetData& a, const ArrangementSetData& b) {
  EXPECT_EQ(a.header, b.header);
  EXPECT_EQ(a.dataLength, b.dataLength);
  EXPECT_EQ(a.records, b.records);
  EXPECT_EQ(a.trailing, b.trailing);
}

// A store that writes a file its own reader accepts in full.
void ExpectConsistent(const ArrangementSetData& data) {
  EXPECT_GE(data.dataLength, kArrangementMinDataLength);
  EXPECT_EQ(GetI16(data.header, kArrangementDataLengthOffset), data.dataLength);
  EXPECT_EQ(data.trailing.size(), static_cast<std::size_t>(data.dataLength - kArrangementMinDataLength));
  EXPECT_EQ(EncodeArrangementFile(data).size(), static_cast<std::size_t>(data.dataLength) + 672);
}

TEST(ArrangementFile, RoundTripsEveryByte) {
  for (std::uint32_t seed : {1u, 2u, 3u, 77u}) {
    for (int trailing : {0, 1, 517, test::kMaxArrangementTrailingBytes}) {
      test::Rng rng(seed);
      const ArrangementSetData data = test::RandomArrangementSetData(rng, trailing);
      const Bytes file = EncodeArrangementFile(data);
      ASSERT_EQ(file.size(), kTrailingAt + static_cast<std::size_t>(trailing));
      ArrangementSetData read;
      ASSERT_TRUE(DecodeArrangementFile(file, read)) << seed << " " << trailing;
      ExpectSame(read, data);
      EXPECT_EQ(EncodeArrangementFile(read), file);
    }
  }
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

TEST(ArrangementRecord, TrackProgramIgnoresBit7AndKeepsTrackParameters) {
  ArrangementRecord record;
  for (std::size_t i = 0; i < record.bytes.size(); ++i) record.bytes[i] = static_cast<std::uint8_t>(i * 7);
  const ArrangementRecord before = record;
  record.bytes[34 + 8 * 2] = 0x05;
  record.bytes[34 + 8 * 2 + 1] = 0x81;
  EXPECT_EQ(record.TrackProgram(2), 261);

  record.SetTrackProgram(2, 261);
  EXPECT_EQ(record.bytes[50], 0x05);
  EXPECT_EQ(record.bytes[51], 0x01);
  record.SetTrackProgram(7, 519);
  EXPECT_EQ(record.bytes[90], 0x07);
  EXPECT_EQ(record.bytes[91], 0x02);
  EXPECT_EQ(record.TrackProgram(7), 519);
  for (std::size_t i = 0; i < record.bytes.size(); ++i) {
    if (i == 50 || i == 51 || i == 90 || i == 91) continue;
    EXPECT_EQ(record.bytes[i], before.bytes[i]) << i;
  }
  EXPECT_EQ(record.TrackProgram(8), -1);
  record.SetTrackProgram(-1, 5);
  record.SetTrackProgram(8, 5);
  EXPECT_EQ(record.bytes[34 + 64], before.bytes[34 + 64]);
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
    ArrangementSetData again;
    EXPECT_TRUE(DecodeArrangementFile(EncodeArrangementFile(read), again));
  }
  // The largest usable length.
  test::Rng rng(9);
  const auto largest = test::RandomArrangementSetData(rng, test::kMaxArrangementTrailingBytes);
  EXPECT_EQ(largest.dataLength, 32094);
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
    for (int r = 0; r < kArrangementCount; ++r) {
      const std::size_t end = 672 + 131 * static_cast<std::size_t>(r + 1);
      if (end <= length) {
        EXPECT_EQ(read.records[static_cast<std::size_t>(r)], whole.records[static_cast<std::size_t>(r)]);
      }
    }
    for (std::size_t i = 0; i < read.trailing.size(); ++i) {
      const std::uint8_t expected = kTrailingAt + i < length ? whole.trailing[i] : 0;
      ASSERT_EQ(read.trailing[i], expected) << length << " " << i;
    }
  }
}

TEST(ArrangementFile, MutatedFilesNeverBreakTheReader) {
  const Bytes valid = GeneratedFile(21, 64);
  test::Rng rng(20240601);
  for (int round = 0; round < 600; ++round) {
    Bytes file = valid;
    const int flips = rng.Int(1, 12);
    for (int f = 0; f < flips; ++f) {
      // Half the flips hit the data length, where damage matters most.
      const std::size_t at = rng.Chance(50) ? static_cast<std::size_t>(rng.Int(28, 29))
                                            : static_cast<std::size_t>(rng.Int(0, static_cast<int>(file.size()) - 1));
      file[at] = rng.Byte();
    }
    if (rng.Chance(40)) file.resize(static_cast<std::size_t>(rng.Int(0, static_cast<int>(file.size()))));
    else if (rng.Chance(20)) file.resize(file.size() + static_cast<std::size_t>(rng.Int(1, 3000)), 0xAA);
    ArrangementSetData read;
    const bool ok = DecodeArrangementFile(file, read);
    ExpectConsistent(read);
    if (ok) {
      // Everything the header claims was present and is written back unchanged.
      const Bytes written = EncodeArrangementFile(read);
      ASSERT_LE(written.size(), file.size());
      EXPECT_TRUE(std::equal(written.begin() + 672, written.end(), file.begin() + 672)) << round;
      EXPECT_TRUE(std::equal(written.begin(), written.begin() + 32, file.begin())) << round;
    }
  }
}

TEST(ArrangementNumbers, LabelsNamesAndEmptySlots) {
  EXPECT_EQ(ArrangementLabel(0), "A11");
  EXPECT_EQ(ArrangementLabel(9), "A22");
  EXPECT_EQ(ArrangementLabel(63), "A88");
  EXPECT_EQ(ArrangementLabel(64), "");
  EXPECT_EQ(ArrangementLabel(-1), "");
  EXPECT_EQ(ArrangementNumber(0, 12), 12);
  EXPECT_EQ(ArrangementNumber(1, 12), -1);
  EXPECT_EQ(SplitArrangementNumber(40), (std::pair<int, int>{0, 40}));
  EXPECT_EQ(SplitArrangementNumber(-1), (std::pair<int, int>{65535, 65535}));
  EXPECT_EQ(SplitArrangementNumber(65535), (std::pair<int, int>{65535, 65535}));
  EXPECT_EQ(CheckArrangementNumber(63), 63);
  EXPECT_EQ(CheckArrangementNumber(64), -1);

  ArrangementSetData data;
  for (auto& record : data.records) record.SetName("Pop Ballad");
  data.records[5].bytes.fill(0x5A);
  data.records[5].SetName("");
  EXPECT_TRUE(IsArrangementEmpty(data, 5));
  EXPECT_FALSE(IsArrangementEmpty(data, 4));
  EXPECT_FALSE(IsArrangementEmpty(data, 65535));
  EXPECT_FALSE(IsArrangementEmpty(data, -1));
  EXPECT_EQ(ArrangementName(data, 4), "Pop Ballad");
  EXPECT_EQ(ArrangementName(data, -1), "");
  EXPECT_EQ(ArrangementNameOrBlanks(data, -1), "          ");
  EXPECT_EQ(ArrangementNameOrBlanks(data, 63), "Pop Ballad");
}

TEST(ArrangementClip, CopiesAndPastesBetweenSets) {
  test::ScriptedUi ui;
  Workspace ws(ui, ui);
  const int a = AllocateDocumentSlot(ws);
  const int b = AllocateDocumentSlot(ws);
  test::Rng rng(3);
  ws.Stores(a).arrangements = test::RandomArrangementSetData(rng, 0);
  const ArrangementSetData untouched = ws.Stores(b).arrangements;

  ArrangementClip clip;
  CopyArrangementToClip(clip, ws, a, 17);
  EXPECT_EQ(clip.sourceSet, a);
  EXPECT_EQ(clip.sourceNumber, 17);
  EXPECT_EQ(clip.item, ws.Stores(a).arrangements.records[17]);

  const ArrangementClip kept = clip;
  CopyArrangementToClip(clip, ws, a, -1);
  EXPECT_EQ(clip.sourceNumber, kept.sourceNumber);
  EXPECT_EQ(clip.item, kept.item);

  EXPECT_EQ(PasteClipToArrangement(clip, ws, b, -1), -1);
  EXPECT_EQ(PasteClipToArrangement(clip, ws, b, 64), -1);
  EXPECT_EQ(ws.Stores(b).arrangements.records, untouched.records);
  EXPECT_EQ(ws.Slot(b).modified[kArrangement], 0);

  EXPECT_EQ(PasteClipToArrangement(clip, ws, b, 2), 17);
  EXPECT_EQ(ws.Stores(b).arrangements.records[2], ws.Stores(a).arrangements.records[17]);
  EXPECT_EQ(ws.Slot(b).modified[kArrangement], 1);
  EXPECT_EQ(ws.Slot(a).modified[kArrangement], 0);
  for (std::size_t n = 0; n < kArrangementCount; ++n) {
    if (n != 2) {
      EXPECT_EQ(ws.Stores(b).arrangements.records[n], untouched.records[n]);
    }
  }
}

}  // namespace
}  // namespace tolvane
