#pragma once
// The event areas of backing-sequence and song files: sizes derived from the
// offset tables, and the bounded reading of each area's bytes.

#include <cstdint>
#include <span>

#include "sequences/sequence_data.h"

namespace tolvane {

// The size in event blocks of an area from start to next. False when the
// difference is negative or does not fit a signed 16-bit value.
bool AreaSize(int start, int next, std::int16_t& size);

// Track sizes of one item from the offset table; the item's last track ends at
// areaEnd. False on a negative size or a 16-bit overflow (sizes read so far kept).
bool DeriveItemSizes(const TrackTable& offsets, int item, std::int16_t areaEnd, TrackTable& trackSizes,
                     std::int16_t& itemSize);

// Takes 16 x blocks bytes of the file at pos into out and advances pos. False,
// leaving out empty, when the file is too short.
bool ReadEventArea(std::span<const std::uint8_t> file, std::size_t& pos, std::int16_t blocks, Bytes& out);

void ReadTrackOffsets(ByteReader& in, std::size_t off, TrackTable& offsets);
void WriteTrackOffsets(ByteWriter& out, std::size_t off, const TrackTable& offsets);

}  // namespace tolvane
