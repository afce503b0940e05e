#pragma once
// The instrument's IStyle files, each holding one item: an Arrangement
// (".IAF"), a Style (".ISF"), a Program (".IPF") or a drum kit (".IDK"). They
// start with "KORG" and the model byte 0x39; the item follows at offset 5.

#include <array>
#include <cstdint>
#include <span>

#include "editing/transfer_records.h"

namespace tolvane {

inline constexpr std::array<std::uint8_t, 5> kIStyleHeader{'K', 'O', 'R', 'G', 0x39};
inline constexpr std::size_t kIStyleItemOffset = 5;
// An ".ISF" holds the Style's header, then its data part up to the end of the
// file: at most the event memory of one Block.
inline constexpr std::size_t kIStyleStyleDataOffset = kIStyleItemOffset + kStyleHeaderSize;  // 67
inline constexpr std::size_t kIStyleMaxStyleData = 60800;

// Each decoder fills the clip's item from a whole file and marks it as
// coming from no Set (source Set and number -1), so that a paste neither
// redirects nor re-resolves its calls. False, leaving the clip alone, for a
// file without the header or too short for its item, and for an ".ISF"
// whose data part is longer than a Block can hold.
bool DecodeIStyleArrangement(std::span<const std::uint8_t> file, ArrangementClip& clip);
// The Style's size is its header and data part: file length - 5.
bool DecodeIStyleStyle(std::span<const std::uint8_t> file, StyleClip& clip);
bool DecodeIStyleProgram(std::span<const std::uint8_t> file, ProgramClip& clip);
// A drum kit: its record, then its 840 bytes of drum-kit data.
bool DecodeIStyleDrumKit(std::span<const std::uint8_t> file, ProgramClip& clip);

// The files the decoders read back as the same item.
Bytes EncodeIStyleArrangement(const ArrangementRecord& record);
// The data part is written size - 62 bytes long, as in the style file: zero
// bytes where the Style keeps fewer.
Bytes EncodeIStyleStyle(const StyleClip& clip);
Bytes EncodeIStyleProgram(const ProgramRecord& record);
Bytes EncodeIStyleDrumKit(const ProgramRecord& record, const DrumKitData& kit);

}  // namespace tolvane
