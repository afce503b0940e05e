#pragma once
// The arrangement file: 64 Arrangement records of 131 bytes each.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "storage/bytes.h"

namespace tolvane {

inline constexpr int kArrangementCount = 64;
inline constexpr std::size_t kArrangementRecordSize = 131;
inline constexpr std::size_t kArrangementHeaderSize = 32;
inline constexpr std::size_t kArrangementRecordsOffset = 672;
inline constexpr std::size_t kArrangementDataLengthOffset = 28;
// Data length of a file without trailing data: the 64 records.
inline constexpr int kArrangementMinDataLength = 8384;
inline constexpr std::size_t kArrangementTrackTableOffset = 34;
inline constexpr int kArrangementTracks = 8;

struct ArrangementRecord {
  std::array<std::uint8_t, kArrangementRecordSize> bytes{};

  std::string Name() const { return GetText(bytes, 0, 10); }
  void SetName(const std::string& name) { PutText(bytes, 0, 10, name); }
  std::int16_t StyleNumber() const { return GetI16(bytes, 10); }
  void SetStyleNumber(std::int16_t n) { PutI16(bytes, 10, n); }
  // Program number called by track t (0 to 7); bit 7 of the high byte is not part of it.
  std::int16_t TrackProgram(int t) const;
  void SetTrackProgram(int t, std::int16_t number);

  bool operator==(const ArrangementRecord&) const = default;
};

struct ArrangementSetData {
  std::array<std::uint8_t, kArrangementHeaderSize> header{};
  std::int16_t dataLength = kArrangementMinDataLength;
  std::array<ArrangementRecord, kArrangementCount> records{};
  Bytes trailing;  // file bytes after the 64 records, carried unchanged
};

// Decodes a whole arrangement file into data. Returns false when the file is
// damaged; data then holds what could be read.
bool DecodeArrangementFile(std::span<const std::uint8_t> file, ArrangementSetData& data);
Bytes EncodeArrangementFile(const ArrangementSetData& data);

// Numbering and labels.
std::int16_t ArrangementNumber(int bank, int index);
std::pair<int, int> SplitArrangementNumber(int number);
std::int16_t CheckArrangementNumber(int number);
std::string ArrangementName(const ArrangementSetData& data, int number);
std::string ArrangementNameOrBlanks(const ArrangementSetData& data, int number);
std::string ArrangementLabel(int number);
bool IsArrangementEmpty(const ArrangementSetData& data, int number);

}  // namespace tolvane
