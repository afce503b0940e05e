// The song file: header, 10 records, song table 2, the 170 track offsets, the
// 100 pattern offsets and the end offset, then the event data of the 10 Songs
// followed by that of the 100 Patterns.

#include "sequences/event_areas.h"
#include "sequences/event_offsets.h"
#include "sequences/sequence_data.h"

namespace tolvane {

namespace {
constexpr std::size_t kRecordsOffset = 16;
constexpr std::size_t kSongTable2Offset = 2976;
constexpr std::size_t kTrackOffsetsOffset = 3176;
constexpr std::size_t kPatternOffsetsOffset = 3516;
constexpr std::size_t kEndOffsetOffset = 3716;
constexpr std::size_t kEventDataOffset = 3718;

std::size_t RecordOffset(std::size_t i) { return kRecordsOffset + kSongRecordSize * i; }

void ReadValues(ByteReader& in, std::size_t off, std::span<std::int16_t> values) {
  for (auto& v : values) {
    v = in.ReadI16(off);
    off += 2;
  }
}
void WriteValues(ByteWriter& out, std::size_t off, std::span<const std::int16_t> values) {
  for (const auto v : values) {
    out.WriteI16(off, v);
    off += 2;
  }
}

bool DecodeAreas(std::span<const std::uint8_t> file, SongSetData& data) {
  std::string path = std::move(data.filePath);
  data = SongSetData{};
  data.filePath = std::move(path);

  ByteReader in(file);
  in.Read(0, data.header);
  for (std::size_t i = 0; i < kSequenceItemCount; ++i) in.Read(RecordOffset(i), data.records[i].bytes);
  ReadValues(in, kSongTable2Offset, data.songTable2);
  ReadTrackOffsets(in, kTrackOffsetsOffset, data.trackOffsets);
  ReadValues(in, kPatternOffsetsOffset, data.patternOffsets);
  data.endOffset = in.ReadI16(kEndOffsetOffset);
  if (in.overran()) return false;

  // The Songs and Patterns figures must be measurable in 16 bits.
  std::int16_t whole = 0;
  if (!AreaSize(data.trackOffsets[0][0], data.patternOffsets[0], whole)) return false;
  if (!AreaSize(data.patternOffsets[0], data.endOffset, whole)) return false;

  // The Songs' area ends where the Patterns begin.
  std::size_t pos = kEventDataOffset;
  for (int i = 0; i < kSequenceItemCount; ++i) {
    const auto item = static_cast<std::size_t>(i);
    const std::int16_t itemEnd = i + 1 < kSequenceItemCount ? data.trackOffsets[item + 1][0] : data.patternOffsets[0];
    if (!DeriveItemSizes(data.trackOffsets, i, itemEnd, data.trackSizes, data.itemSizes[item])) return false;
    if (!ReadEventArea(file, pos, data.itemSizes[item], data.eventData[item])) return false;
  }
  for (std::size_t k = 0; k < kPatternCount; ++k) {
    const std::int16_t next = k + 1 < kPatternCount ? data.patternOffsets[k + 1] : data.endOffset;
    std::int16_t blocks = 0;
    if (!AreaSize(data.patternOffsets[k], next, blocks)) return false;
    if (!ReadEventArea(file, pos, blocks, data.patternData[k])) return false;
  }
  return true;
}
}  // namespace

bool DecodeSongFile(std::span<const std::uint8_t> file, SongSetData& data) {
  if (DecodeAreas(file, data)) return true;
  // What was read stays, laid out so that saving it gives a readable file.
  KeepReadableAfterFailure(data);
  return false;
}

// The offsets are written as they are: editing keeps them consistent.
Bytes EncodeSongFile(const SongSetData& data) {
  ByteWriter out;
  out.Write(0, data.header);
  for (std::size_t i = 0; i < kSequenceItemCount; ++i) out.Write(RecordOffset(i), data.records[i].bytes);
  WriteValues(out, kSongTable2Offset, data.songTable2);
  WriteTrackOffsets(out, kTrackOffsetsOffset, data.trackOffsets);
  WriteValues(out, kPatternOffsetsOffset, data.patternOffsets);
  out.WriteI16(kEndOffsetOffset, data.endOffset);
  std::size_t pos = kEventDataOffset;
  for (const Bytes& events : data.eventData) {
    out.Write(pos, events);
    pos += events.size();
  }
  for (const Bytes& events : data.patternData) {
    out.Write(pos, events);
    pos += events.size();
  }
  return out.Take();
}

}  // namespace tolvane
