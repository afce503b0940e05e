#pragma once
// The style file: 32 user Styles in up to 8 Blocks of 4, each Block sharing an
// event memory of 15200 events.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "storage/bytes.h"

namespace tolvane {

inline constexpr int kUserStyleCount = 32;
inline constexpr int kStyleBlockCount = 8;
inline constexpr int kStylesPerBlock = 4;
inline constexpr std::size_t kStyleHeaderSize = 62;
inline constexpr std::size_t kStyleFileHeaderSize = 32;
inline constexpr std::size_t kStyleFirstBlockOffset = 72;
inline constexpr std::size_t kBlockTableSize = 24;
inline constexpr std::int32_t kStyleBaseSize = 1168;
inline constexpr std::int32_t kBlockEventCapacity = 15200;
inline constexpr std::size_t kStyleTrackTableOffset = 38;
inline constexpr int kStyleTracks = 6;

struct StyleHeader {
  std::array<std::uint8_t, kStyleHeaderSize> bytes{};
  std::string Name() const { return GetText(bytes, 0, 10); }
  void SetName(const std::string& name) { PutText(bytes, 0, 10, name); }
  std::int16_t TrackProgram(int t) const;
  void SetTrackProgram(int t, std::int16_t number);
  bool operator==(const StyleHeader&) const = default;
};

struct StyleSetData {
  std::array<std::uint8_t, kStyleFileHeaderSize> header{};
  std::uint8_t blockCount = 0;
  std::array<std::uint8_t, kUserStyleCount> present{};
  std::array<std::int32_t, kUserStyleCount> sizes{};
  std::array<StyleHeader, kUserStyleCount> headers{};
  std::array<Bytes, kUserStyleCount> data{};  // the bytes after each header
};

// The transfer record of one user Style.
struct StyleClip {
  std::int32_t operation = 0;
  std::int16_t sourceSet = 0;
  std::int16_t sourceNumber = 0;
  std::uint8_t present = 0;
  std::int32_t size = 0;
  StyleHeader header;
  Bytes data;
  bool operator==(const StyleClip&) const = default;
};

bool DecodeStyleFile(std::span<const std::uint8_t> file, StyleSetData& data);
Bytes EncodeStyleFile(const StyleSetData& data);
// The empty Style: the template's first Style header with a blank name, no events.
StyleClip MakeEmptyStyleTemplate(const StyleHeader& templateHeader);

}  // namespace tolvane
