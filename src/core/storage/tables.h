#pragma once
// The constant tables of the instrument's data kinds, banks and names.

#include <array>
#include <string>
#include <string_view>

namespace tolvane {

// Kind indexes.
enum Kind : int {
  kArrangement = 0,
  kStyle = 1,
  kProgram = 2,
  kBackingSequence = 3,
  kSong = 4,
  kKbdSet = 5,
  kArrangementGlobal = 6,
  kGlobal = 7,
  kIStyleArrangement = 8,
  kIStyleStyle = 9,
  kIStyleProgram = 10,
  kIStyleDrumKit = 11,
};
inline constexpr int kKindCount = 12;
inline constexpr int kSetFileKinds = 5;  // kinds 0 to 4 are the five files of a Set

inline constexpr std::string_view kInstrumentName = "Korg-i3";
inline constexpr std::string_view kProgramTitle = "Korg-Tolvane";

std::string KindName(int kind);
std::string KindExtension(int kind);
// The Set-file kind (0 to 4) whose extension this is, in any case; -1 for none.
int KindOfExtension(std::string_view extension);
int KindHeaderCode(int kind);

// Banks of kinds 0 to 2; other banks have the letter " " and highest index 0.
std::string BankLetter(int kind, int bank);
int BankHighestIndex(int kind, int bank);
// Number of used banks of a kind (1, 2 and 5).
int BankCount(int kind);

std::string ItemLabel(int kind, int bank, int index);

extern const std::array<std::string_view, 8> kArrangementTrackNames;
extern const std::array<std::string_view, 10> kBackingSequenceTrackNames;
extern const std::array<std::string_view, 16> kSongTrackNames;
extern const std::array<std::string_view, 12> kNoteNames;
extern const std::array<std::string_view, 4> kFourLevelNames;
extern const std::array<std::string_view, 4> kKeyboardModes;
extern const std::array<std::string_view, 35> kFootswitchFunctions;

}  // namespace tolvane
