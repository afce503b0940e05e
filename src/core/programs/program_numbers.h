#pragma once
// The one numbering by which every Program is referred to, and the two
// encodings in which other records store a Program reference.

#include <cstdint>
#include <string>
#include <utility>

namespace tolvane {

struct PresetNames;
struct ProgramSetData;

std::int16_t ProgramNumber(int bank, int index);
std::int16_t UserProgramIndexOfBank(int bank, int index);
std::pair<int, int> SplitProgramNumber(int number);
std::int16_t UserIndexOfProgram(int number);
std::int16_t UserProgramNumber(int userIndex);
std::pair<int, int> SplitUserIndex(int userIndex);
std::string ProgramName(const PresetNames& presets, const ProgramSetData& data, int number);
std::string UserProgramName(const ProgramSetData& data, int userIndex);
std::string ProgramLabel(int number);
std::string UserProgramLabel(int userIndex);
bool IsUserProgramEmpty(const ProgramSetData& data, int userIndex);
// The first user item named `name` (all 10 characters): among the drum kits
// for a call of a drum kit, among the 64 Programs otherwise; -1 when none.
std::int16_t FindUserProgramByName(const ProgramSetData& data, const std::string& name, bool drumKit);

// A one-byte reference with a bank flag in bit 7 of a separate flag byte.
std::int16_t DecodeProgramRef(std::uint8_t programByte, std::uint8_t flagByte);
// Writes B and bit 7 of the flag byte; an invalid number gives B = 0 and
// leaves the flag byte as it was.
void EncodeProgramRef(std::uint8_t& programByte, std::uint8_t& flagByte, int number);

}  // namespace tolvane
