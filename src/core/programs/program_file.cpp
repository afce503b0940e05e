// The program file: header, names directory, global record, drum-kit data,
// the 64 user Programs and the 2 user drum kits.

#include "programs/program_data.h"

namespace tolvane {

namespace {

constexpr std::size_t kNameSize = 10;

std::size_t RecordOffset(int userIndex) {
  if (userIndex < kUserProgramCount)
    return kProgramRecordsOffset + kProgramRecordSize * static_cast<std::size_t>(userIndex);
  return kDrumKitRecordsOffset + kProgramRecordSize * static_cast<std::size_t>(userIndex - kUserProgramCount);
}

std::size_t DrumKitOffset(int kit) { return kDrumKitDataOffset + kDrumKitDataSize * static_cast<std::size_t>(kit); }

}  // namespace

bool DecodeProgramFile(std::span<const std::uint8_t> file, ProgramSetData& data) {
  ByteReader in(file);
  in.Read(0, data.header);
  // The names directory is a copy of the record names and is not read.
  in.Read(kProgramUnused1Offset, data.unused1);
  for (int kit = 0; kit < 2; ++kit) in.Read(DrumKitOffset(kit), data.drumKits[static_cast<std::size_t>(kit)]);
  in.Read(kProgramUnused2Offset, data.unused2);
  for (int u = 0; u < kUserItemCount; ++u) in.Read(RecordOffset(u), data.records[static_cast<std::size_t>(u)].bytes);
  return !in.overran() && file.size() >= kProgramFileSize;
}

Bytes EncodeProgramFile(const ProgramSetData& data, const GlobalRecord& global) {
  ByteWriter out;
  out.Write(0, data.header);
  for (int u = 0; u < kUserProgramCount; ++u)
    out.Write(kProgramNamesOffset + kNameSize * static_cast<std::size_t>(u),
              std::span<const std::uint8_t>(data.records[static_cast<std::size_t>(u)].bytes).first(kNameSize));
  out.Write(kProgramUnused1Offset, data.unused1);
  out.Write(kGlobalRecordOffset, global.bytes);
  for (int kit = 0; kit < 2; ++kit) out.Write(DrumKitOffset(kit), data.drumKits[static_cast<std::size_t>(kit)]);
  out.Write(kProgramUnused2Offset, data.unused2);
  for (int u = 0; u < kUserItemCount; ++u) out.Write(RecordOffset(u), data.records[static_cast<std::size_t>(u)].bytes);
  return out.Take();
}

}  // namespace tolvane
