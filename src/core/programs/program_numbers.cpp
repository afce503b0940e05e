// The program numbering shared by every kind that calls Programs: banks A to D
// and Dr, the Set's user items (user index 0 to 65), names and labels.

#include "programs/program_numbers.h"

#include "programs/program_data.h"
#include "storage/preset_names.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace tolvane {

namespace {

constexpr std::pair<int, int> kNoBankIndex{65535, 65535};

bool IsUserIndex(int userIndex) { return userIndex >= 0 && userIndex < kUserItemCount; }

const ProgramRecord& UserRecord(const ProgramSetData& data, int userIndex) {
  return data.records[static_cast<std::size_t>(userIndex)];
}

}  // namespace

std::int16_t ProgramNumber(int bank, int index) {
  // An index beyond its bank would land in another bank or on no Program.
  if (index < 0 || index > BankHighestIndex(kProgram, bank)) return -1;
  switch (bank) {
    case 0: return static_cast<std::int16_t>(index);
    case 1: return static_cast<std::int16_t>(index + 64);
    case 2: return static_cast<std::int16_t>(index + 256);
    case 3: return static_cast<std::int16_t>(index + 320);
    case 4: return static_cast<std::int16_t>(index + 512);
    default: return -1;
  }
}

std::int16_t UserProgramIndexOfBank(int bank, int index) {
  if (bank == 3 && index >= 0 && index < kUserProgramCount) return static_cast<std::int16_t>(index);
  if (bank == 4 && (index == 6 || index == 7)) return static_cast<std::int16_t>(index + 58);
  return -1;
}

std::pair<int, int> SplitProgramNumber(int number) {
  if (number >= 0 && number <= 63) return {0, number};
  if (number >= 64 && number <= 127) return {1, number - 64};
  if (number >= 256 && number <= 319) return {2, number - 256};
  if (number >= 320 && number <= 383) return {3, number - 320};
  if (number >= 512 && number <= 519) return {4, number - 512};
  return kNoBankIndex;
}

std::int16_t UserIndexOfProgram(int number) {
  if (number >= 320 && number <= 383) return static_cast<std::int16_t>(number - 320);
  if (number == 518 || number == 519) return static_cast<std::int16_t>(number - 454);
  return -1;
}

std::int16_t UserProgramNumber(int userIndex) {
  if (userIndex >= 0 && userIndex < kUserProgramCount) return static_cast<std::int16_t>(userIndex + 320);
  if (userIndex == 64 || userIndex == 65) return static_cast<std::int16_t>(userIndex + 454);
  return -1;
}

std::pair<int, int> SplitUserIndex(int userIndex) {
  if (userIndex >= 0 && userIndex < kUserProgramCount) return {3, userIndex};
  if (userIndex == 64 || userIndex == 65) return {4, userIndex - 58};
  return kNoBankIndex;
}

std::string ProgramName(const PresetNames& presets, const ProgramSetData& data, int number) {
  const int user = UserIndexOfProgram(number);
  if (user >= 0) return UserRecord(data, user).Name();
  if (number >= 0 && number <= 127) return PadOrCut(presets.programs[static_cast<std::size_t>(number)], kNameWidth);
  if (number >= 256 && number <= 319)
    return PadOrCut(presets.bankC[static_cast<std::size_t>(number - 256)], kNameWidth);
  if (number >= 512 && number <= 517)
    return PadOrCut(presets.drumKits[static_cast<std::size_t>(number - 512)], kNameWidth);
  return {};
}

std::string UserProgramName(const ProgramSetData& data, int userIndex) {
  if (!IsUserIndex(userIndex)) return kBlankName;
  return UserRecord(data, userIndex).Name();
}

std::string ProgramLabel(int number) {
  const auto [bank, index] = SplitProgramNumber(number);
  if (bank == kNoBankIndex.first) return {};
  return ItemLabel(kProgram, bank, index);
}

std::string UserProgramLabel(int userIndex) { return ProgramLabel(UserProgramNumber(userIndex)); }

bool IsUserProgramEmpty(const ProgramSetData& data, int userIndex) {
  return IsUserIndex(userIndex) && UserRecord(data, userIndex).Name() == kBlankName;
}

std::int16_t FindUserProgramByName(const ProgramSetData& data, const std::string& name, bool drumKit) {
  // A drum kit stands in only for a drum kit and a Program for a Program: a
  // blank name would otherwise find an empty place of the other sort.
  const int first = drumKit ? kUserProgramCount : 0;
  const int end = drumKit ? kUserItemCount : kUserProgramCount;
  for (int u = first; u < end; ++u)
    if (UserRecord(data, u).Name() == name) return UserProgramNumber(u);
  return -1;
}

}  // namespace tolvane
