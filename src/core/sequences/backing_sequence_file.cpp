// The backing-sequence file: header, 10 records, the 170 track offsets and the
// end offset, then the event data of the 10 items back to back.

#include "sequences/event_areas.h"
#include "sequences/event_offsets.h"
#include "sequences/sequence_data.h"

namespace tolvane {

namespace {
constexpr std::size_t kRecordsOffset = 16;
constexpr std::size_t kTrackOffsetsOffset = 1966;
constexpr std::size_t kEndOffsetOffset = 2306;
constexpr std::size_t kEventDataOffset = 2308;

std::size_t RecordOffset(std::size_t i) { return kRecordsOffset + kBackingSequenceRecordSize * i; }

bool DecodeAreas(std::span<const std::uint8_t> file, BackingSequenceSetData& data) {
  std::string path = std::move(data.filePath);
  data = BackingSequenceSetData{};
  data.filePath = std::move(path);

  ByteReader in(file);
  in.Read(0, data.header);
  for (std::size_t i = 0; i < kSequenceItemCount; ++i) in.Read(RecordOffset(i), data.records[i].bytes);
  ReadTrackOffsets(in, kTrackOffsetsOffset, data.trackOffsets);
  data.endOffset = in.ReadI16(kEndOffsetOffset);
  if (in.overran()) return false;

  // The whole area must be measurable in 16 bits, as the memory figures are.
  std::int16_t whole = 0;
  if (!AreaSize(data.trackOffsets[0][0], data.endOffset, whole)) return false;

  // The data follows the tables whatever base the offsets count from.
  std::size_t pos = kEventDataOffset;
  for (int i = 0; i < kSequenceItemCount; ++i) {
    const auto item = static_cast<std::size_t>(i);
    const std::int16_t itemEnd = i + 1 < kSequenceItemCount ? data.trackOffsets[item + 1][0] : data.endOffset;
    if (!DeriveItemSizes(data.trackOffsets, i, itemEnd, data.trackSizes, data.itemSizes[item])) return false;
    if (!ReadEventArea(file, pos, data.itemSizes[item], data.eventData[item])) return false;
  }
  return true;
}
}  // namespace

bool DecodeBackingSequenceFile(std::span<const std::uint8_t> file, BackingSequenceSetData& data) {
  if (DecodeAreas(file, data)) return true;
  // What was read stays, laid out so that saving it gives a readable file.
  KeepReadableAfterFailure(data);
  return false;
}

// The offsets are written as they are: editing keeps them consistent.
Bytes EncodeBackingSequenceFile(const BackingSequenceSetData& data) {
  ByteWriter out;
  out.Write(0, data.header);
  for (std::size_t i = 0; i < kSequenceItemCount; ++i) out.Write(RecordOffset(i), data.records[i].bytes);
  WriteTrackOffsets(out, kTrackOffsetsOffset, data.trackOffsets);
  out.WriteI16(kEndOffsetOffset, data.endOffset);
  std::size_t pos = kEventDataOffset;
  for (const Bytes& events : data.eventData) {
    out.Write(pos, events);
    pos += events.size();
  }
  return out.Take();
}

}  // namespace tolvane
