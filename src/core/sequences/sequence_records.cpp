// Where the program calls sit in backing-sequence and song records.

#include "programs/program_numbers.h"
#include "sequences/sequence_data.h"

namespace tolvane {

namespace {
constexpr std::size_t kKbdTracksOffset = 19;
constexpr std::size_t kKbdTrackSize = 3;
constexpr std::size_t kExtraTracksOffset = 46;
constexpr std::size_t kExtraTrackSize = 15;
// The bank flag of a song track's program code is bit 7 of this slot byte.
constexpr std::size_t kSlotFlagByte = 10;

bool IsSongTrack(int t) { return t >= 0 && t < kSongTracks; }
std::size_t SlotOffset(int t) {
  return SongRecord::kTrackSlotsOffset + SongRecord::kTrackSlotSize * static_cast<std::size_t>(t);
}
}  // namespace

// Tracks 0 and 1 (KBD 1, KBD 2) have short entries; tracks 2 to 9 (Extra 1 to 8)
// long ones after the chaining bytes. t must be 0 to 9.
std::size_t BackingSequenceRecord::TrackOffset(int t) {
  if (t < 2) return kKbdTracksOffset + kKbdTrackSize * static_cast<std::size_t>(t);
  return kExtraTracksOffset + kExtraTrackSize * static_cast<std::size_t>(t - 2);
}

std::int16_t SongRecord::TrackProgram(int t) const {
  if (!IsSongTrack(t)) return -1;
  const std::size_t slot = SlotOffset(t);
  return DecodeProgramRef(bytes[slot], bytes[slot + kSlotFlagByte]);
}

void SongRecord::SetTrackProgram(int t, int number) {
  if (!IsSongTrack(t)) return;
  const std::size_t slot = SlotOffset(t);
  EncodeProgramRef(bytes[slot], bytes[slot + kSlotFlagByte], number);
}

}  // namespace tolvane
