#pragma once
// The program file: 64 user Programs, 2 user drum kits with their drum-kit data,
// and (written with them) the Set's global record.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "arrangements/global_record.h"
#include "storage/bytes.h"

namespace tolvane {

inline constexpr int kUserProgramCount = 64;
inline constexpr int kUserItemCount = 66;  // 64 Programs and drum kits Dr7, Dr8
inline constexpr std::size_t kProgramRecordSize = 164;
inline constexpr std::size_t kDrumKitDataSize = 840;
inline constexpr std::size_t kProgramHeaderSize = 88;
inline constexpr std::size_t kProgramFileSize = 14255;
inline constexpr std::size_t kProgramNamesOffset = 88;
inline constexpr std::size_t kProgramUnused1Offset = 728;
inline constexpr std::size_t kProgramUnused1Size = 20;
inline constexpr std::size_t kDrumKitDataOffset = 791;
inline constexpr std::size_t kProgramUnused2Offset = 2471;
inline constexpr std::size_t kProgramUnused2Size = 960;
inline constexpr std::size_t kProgramRecordsOffset = 3431;
inline constexpr std::size_t kDrumKitRecordsOffset = 13927;

struct ProgramRecord {
  std::array<std::uint8_t, kProgramRecordSize> bytes{};
  std::string Name() const { return GetText(bytes, 0, 10); }
  void SetName(const std::string& name) { PutText(bytes, 0, 10, name); }
  bool operator==(const ProgramRecord&) const = default;
};

using DrumKitData = std::array<std::uint8_t, kDrumKitDataSize>;

struct ProgramSetData {
  std::array<std::uint8_t, kProgramHeaderSize> header{};
  std::array<ProgramRecord, kUserItemCount> records{};  // user index 0 to 65
  std::array<DrumKitData, 2> drumKits{};
  // Ranges of the file that no field uses: kept as read, so that nothing the
  // instrument wrote there is lost on saving.
  std::array<std::uint8_t, kProgramUnused1Size> unused1{};
  std::array<std::uint8_t, kProgramUnused2Size> unused2{};
};

bool DecodeProgramFile(std::span<const std::uint8_t> file, ProgramSetData& data);
// The program writer also writes the global record.
Bytes EncodeProgramFile(const ProgramSetData& data, const GlobalRecord& global);

}  // namespace tolvane
