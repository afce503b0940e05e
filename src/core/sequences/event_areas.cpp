#include "sequences/event_areas.h"

#include <limits>

namespace tolvane {

namespace {
bool FitsI16(int v) { return v >= std::numeric_limits<std::int16_t>::min() && v <= std::numeric_limits<std::int16_t>::max(); }
constexpr std::size_t kOffsetWidth = 2;
}  // namespace

bool AreaSize(int start, int next, std::int16_t& size) {
  const int diff = next - start;
  if (diff < 0 || !FitsI16(diff)) return false;
  size = static_cast<std::int16_t>(diff);
  return true;
}

bool DeriveItemSizes(const TrackTable& offsets, int item, std::int16_t areaEnd, TrackTable& trackSizes,
                     std::int16_t& itemSize) {
  const auto& starts = offsets[static_cast<std::size_t>(item)];
  auto& sizes = trackSizes[static_cast<std::size_t>(item)];
  int sum = 0;
  for (std::size_t t = 0; t < kEventTracks; ++t) {
    const int next = t + 1 < kEventTracks ? starts[t + 1] : areaEnd;
    if (!AreaSize(starts[t], next, sizes[t])) return false;
    sum += sizes[t];
    if (!FitsI16(sum)) return false;
  }
  itemSize = static_cast<std::int16_t>(sum);
  return true;
}

bool ReadEventArea(std::span<const std::uint8_t> file, std::size_t& pos, std::int16_t blocks, Bytes& out) {
  out.clear();
  if (blocks < 0 || pos > file.size()) return false;
  const std::size_t length = kEventBlockSize * static_cast<std::size_t>(blocks);
  if (length > file.size() - pos) return false;
  out.assign(file.begin() + static_cast<std::ptrdiff_t>(pos), file.begin() + static_cast<std::ptrdiff_t>(pos + length));
  pos += length;
  return true;
}

void ReadTrackOffsets(ByteReader& in, std::size_t off, TrackTable& offsets) {
  for (auto& item : offsets)
    for (auto& start : item) {
      start = in.ReadI16(off);
      off += kOffsetWidth;
    }
}

void WriteTrackOffsets(ByteWriter& out, std::size_t off, const TrackTable& offsets) {
  for (const auto& item : offsets)
    for (const auto start : item) {
      out.WriteI16(off, start);
      off += kOffsetWidth;
    }
}

}  // namespace tolvane
