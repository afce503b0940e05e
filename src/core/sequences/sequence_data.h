#pragma once
// The backing-sequence and song files: 10 records each, the offset tables of
// their 17 event tracks, and the event data they carry as opaque blocks.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "storage/bytes.h"

namespace tolvane {

inline constexpr int kSequenceItemCount = 10;
inline constexpr int kEventTracks = 17;
inline constexpr int kPatternCount = 100;
inline constexpr std::size_t kEventBlockSize = 16;
inline constexpr int kEventMemoryBlocks = 16384;
inline constexpr std::size_t kSequenceFileHeaderSize = 16;
// Tracks 1 and 2 take 3 bytes each (program number and one parameter byte).
inline constexpr std::size_t kBackingSequenceRecordSize = 195;
inline constexpr std::size_t kSongRecordSize = 296;
inline constexpr int kBackingSequenceTracks = 10;
inline constexpr int kSongTracks = 16;

struct BackingSequenceRecord {
  std::array<std::uint8_t, kBackingSequenceRecordSize> bytes{};
  std::string Name() const { return GetText(bytes, 0, 10); }
  void SetName(const std::string& name) { PutText(bytes, 0, 10, name); }
  std::int16_t Arrangement() const { return GetI16(bytes, 10); }
  void SetArrangement(std::int16_t n) { PutI16(bytes, 10, n); }
  std::int16_t Style() const { return GetI16(bytes, 12); }
  void SetStyle(std::int16_t n) { PutI16(bytes, 12, n); }
  // The Backing Sequence chained after this one (0 to 9 when valid).
  static constexpr std::size_t kNextOffset = 44;
  std::uint8_t Next() const { return bytes[kNextOffset]; }
  void SetNext(std::uint8_t n) { bytes[kNextOffset] = n; }
  // Program number of track t (0 to 9: KBD 1, KBD 2, Extra 1 to 8).
  static std::size_t TrackOffset(int t);
  std::int16_t TrackProgram(int t) const { return GetI16(bytes, TrackOffset(t)); }
  void SetTrackProgram(int t, std::int16_t n) { PutI16(bytes, TrackOffset(t), n); }
  bool operator==(const BackingSequenceRecord&) const = default;
};

struct SongRecord {
  std::array<std::uint8_t, kSongRecordSize> bytes{};
  static constexpr std::size_t kNextOffset = 52;
  static constexpr std::size_t kNameOffset = 53;
  static constexpr std::size_t kTrackSlotsOffset = 93;
  static constexpr std::size_t kTrackSlotSize = 12;
  std::string Name() const { return GetText(bytes, kNameOffset, 10); }
  void SetName(const std::string& name) { PutText(bytes, kNameOffset, 10, name); }
  // The Song chained after this one (0 to 9 when valid).
  std::uint8_t Next() const { return bytes[kNextOffset]; }
  void SetNext(std::uint8_t n) { bytes[kNextOffset] = n; }
  // Program called by song track t (0 to 15), through the one-byte reference.
  std::int16_t TrackProgram(int t) const;
  void SetTrackProgram(int t, int number);
  bool operator==(const SongRecord&) const = default;
};

using TrackTable = std::array<std::array<std::int16_t, kEventTracks>, kSequenceItemCount>;

struct BackingSequenceSetData {
  std::array<std::uint8_t, kSequenceFileHeaderSize> header{};
  std::array<BackingSequenceRecord, kSequenceItemCount> records{};
  TrackTable trackOffsets{};
  std::int16_t endOffset = 0;
  std::array<Bytes, kSequenceItemCount> eventData{};
  TrackTable trackSizes{};
  std::array<std::int16_t, kSequenceItemCount> itemSizes{};
  std::string filePath;
};

struct SongSetData {
  std::array<std::uint8_t, kSequenceFileHeaderSize> header{};
  std::array<SongRecord, kSequenceItemCount> records{};
  std::array<std::int16_t, kPatternCount> songTable2{};
  TrackTable trackOffsets{};
  std::array<std::int16_t, kPatternCount> patternOffsets{};
  std::int16_t endOffset = 0;
  std::array<Bytes, kSequenceItemCount> eventData{};
  std::array<Bytes, kPatternCount> patternData{};
  TrackTable trackSizes{};
  std::array<std::int16_t, kSequenceItemCount> itemSizes{};
  std::string filePath;
};

bool DecodeBackingSequenceFile(std::span<const std::uint8_t> file, BackingSequenceSetData& data);
Bytes EncodeBackingSequenceFile(const BackingSequenceSetData& data);
bool DecodeSongFile(std::span<const std::uint8_t> file, SongSetData& data);
Bytes EncodeSongFile(const SongSetData& data);

struct EventMemory {
  int backSeqs = 0, songs = 0, patterns = 0, total = 0, free = 0;
};
EventMemory EventMemoryFigures(const BackingSequenceSetData& bsq, const SongSetData& sng);

}  // namespace tolvane
