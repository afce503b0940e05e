// One Arrangement record, and the numbering and labels of Arrangements.

#include "arrangements/arrangement_data.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

namespace {

constexpr std::size_t kTrackEntrySize = 8;

bool IsArrangementNumber(int number) { return number >= 0 && number < kArrangementCount; }

std::size_t TrackEntry(int t) {
  return kArrangementTrackTableOffset + kTrackEntrySize * static_cast<std::size_t>(t);
}

}  // namespace

std::int16_t ArrangementRecord::TrackProgram(int t) const {
  if (t < 0 || t >= kArrangementTracks) return -1;
  const std::size_t at = TrackEntry(t);
  return ReadTrackCall(bytes, at);
}

void ArrangementRecord::SetTrackProgram(int t, std::int16_t number) {
  if (t < 0 || t >= kArrangementTracks) return;
  const std::size_t at = TrackEntry(t);
  // Only the number changes: the instrument's flag bit and the six track
  // parameters stay as they are.
  WriteTrackCall(bytes, at, number);
}

std::int16_t ArrangementNumber(int bank, int index) {
  if (bank != 0 || !IsArrangementNumber(index)) return -1;
  return static_cast<std::int16_t>(index);
}

std::pair<int, int> SplitArrangementNumber(int number) {
  if (!IsArrangementNumber(number)) return {65535, 65535};
  return {0, number};
}

std::int16_t CheckArrangementNumber(int number) {
  return IsArrangementNumber(number) ? static_cast<std::int16_t>(number) : std::int16_t{-1};
}

std::string ArrangementName(const ArrangementSetData& data, int number) {
  if (!IsArrangementNumber(number)) return {};
  return data.records[static_cast<std::size_t>(number)].Name();
}

std::string ArrangementNameOrBlanks(const ArrangementSetData& data, int number) {
  if (!IsArrangementNumber(number)) return kBlankName;
  return ArrangementName(data, number);
}

std::string ArrangementLabel(int number) {
  if (!IsArrangementNumber(number)) return {};
  return ItemLabel(kArrangement, 0, number);
}

bool IsArrangementEmpty(const ArrangementSetData& data, int number) {
  return IsArrangementNumber(number) && ArrangementName(data, number) == kBlankName;
}

}  // namespace tolvane
