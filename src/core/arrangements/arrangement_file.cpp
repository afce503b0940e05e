// The arrangement file: a 32-byte header holding the data length, a names
// directory, the 64 records and trailing data carried unchanged.

#include <limits>

#include "arrangements/arrangement_data.h"

namespace tolvane {

namespace {

constexpr std::size_t kNamesOffset = 32;
constexpr std::size_t kNameSize = 10;
constexpr std::size_t kTrailingOffset =
    kArrangementRecordsOffset + kArrangementRecordSize * kArrangementCount;  // 9056

// File offsets are 16-bit values: a length whose file end (data length + 672)
// plus one does not fit in them is refused.
constexpr int kMaxDataLength = std::numeric_limits<std::int16_t>::max() - 673;

void ResetDataLength(ArrangementSetData& data, int length) {
  data.dataLength = static_cast<std::int16_t>(length);
  PutI16(data.header, kArrangementDataLengthOffset, data.dataLength);
}

}  // namespace

bool DecodeArrangementFile(std::span<const std::uint8_t> file, ArrangementSetData& data) {
  ByteReader in(file);
  in.Read(0, data.header);
  data.dataLength = in.ReadI16(kArrangementDataLengthOffset);
  // The names directory is a copy of the record names and is not read.
  for (int n = 0; n < kArrangementCount; ++n)
    in.Read(kArrangementRecordsOffset + kArrangementRecordSize * static_cast<std::size_t>(n),
            data.records[static_cast<std::size_t>(n)].bytes);

  if (data.dataLength < kArrangementMinDataLength || data.dataLength > kMaxDataLength) {
    // Keep the records, but leave a store that writes back as a valid file.
    ResetDataLength(data, kArrangementMinDataLength);
    data.trailing.clear();
    return false;
  }
  // A short file leaves the missing trailing bytes zero, so that the store
  // still matches the length its header states.
  data.trailing = in.ReadBytes(kTrailingOffset,
                               static_cast<std::size_t>(data.dataLength - kArrangementMinDataLength));
  return !in.overran();
}

Bytes EncodeArrangementFile(const ArrangementSetData& data) {
  ByteWriter out;
  out.Write(0, data.header);
  for (int n = 0; n < kArrangementCount; ++n) {
    const auto& record = data.records[static_cast<std::size_t>(n)];
    out.Write(kNamesOffset + kNameSize * static_cast<std::size_t>(n),
              std::span<const std::uint8_t>(record.bytes).first(kNameSize));
    out.Write(kArrangementRecordsOffset + kArrangementRecordSize * static_cast<std::size_t>(n), record.bytes);
  }
  out.Write(kTrailingOffset, data.trailing);
  return out.Take();
}

}  // namespace tolvane
