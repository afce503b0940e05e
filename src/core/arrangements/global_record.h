#pragma once
// The Set's global record, 43 bytes inside the program file at offset 748.

#include <array>
#include <cstdint>
#include <span>

namespace tolvane {

inline constexpr std::size_t kGlobalRecordSize = 43;
inline constexpr std::size_t kGlobalRecordOffset = 748;

struct GlobalRecord {
  std::array<std::uint8_t, kGlobalRecordSize> bytes{};

  // Field offsets of the values the Global dialog edits.
  static constexpr std::size_t kDamperPolarity = 2;
  static constexpr std::size_t kPedal1 = 3;
  static constexpr std::size_t kPedal2 = 4;
  static constexpr std::size_t kVelocityCurve = 19;
  static constexpr std::size_t kAftertouchCurve = 20;
  static constexpr std::size_t kEc5Switches = 38;  // 5 bytes, switches A to E

  bool operator==(const GlobalRecord&) const = default;
};

using GlobalSetData = GlobalRecord;

// Reads the record from a whole program file; false when the file is too short.
bool DecodeGlobalData(std::span<const std::uint8_t> file, GlobalSetData& data);

}  // namespace tolvane
