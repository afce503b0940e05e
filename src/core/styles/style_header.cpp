// The program calls of a Style's six tracks, kept in its header's track table.

#include "styles/style_data.h"

namespace tolvane {

namespace {
constexpr std::size_t kTrackEntrySize = 4;

bool IsStyleTrack(int t) { return t >= 0 && t < kStyleTracks; }
std::size_t TrackEntry(int t) { return kStyleTrackTableOffset + kTrackEntrySize * static_cast<std::size_t>(t); }
}  // namespace

std::int16_t StyleHeader::TrackProgram(int t) const {
  if (!IsStyleTrack(t)) return -1;
  const std::size_t at = TrackEntry(t);
  return ReadTrackCall(bytes, at);
}

void StyleHeader::SetTrackProgram(int t, std::int16_t number) {
  if (!IsStyleTrack(t)) return;
  const std::size_t at = TrackEntry(t);
  // Only the number changes: the instrument's flag bit and bytes 2 and 3 of
  // the entry belong to the track and stay as they are.
  WriteTrackCall(bytes, at, number);
}

}  // namespace tolvane
