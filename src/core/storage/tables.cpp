#include "storage/tables.h"

#include "storage/text.h"

namespace tolvane {

namespace {

struct KindEntry {
  std::string_view name;
  std::string_view extension;
  int headerCode;
};

constexpr std::array<KindEntry, kKindCount> kKinds{{
    {"Arrangement", ".ARR", 3},
    {"Style", ".STY", 4},
    {"Program", ".PCG", 0},
    {"Backing Sequence", ".BSQ", 1},
    {"Song", ".SNG", 1},
    {"KBD Set", ".ARK", 8},
    {"Arrangement Global", ".ARG", 7},
    {"Global", ".PCG", 0},
    {"IStyle Arrangement", ".IAF", 0},
    {"IStyle Style", ".ISF", 0},
    {"IStyle Program", ".IPF", 0},
    {"IStyle DrumKit", ".IDK", 0},
}};

struct BankEntry {
  std::string_view letter;
  int highest;
};

constexpr BankEntry kUnusedBank{" ", 0};
constexpr std::array<std::array<BankEntry, 8>, 3> kBanks{{
    {{{"A", 63}, kUnusedBank, kUnusedBank, kUnusedBank, kUnusedBank, kUnusedBank, kUnusedBank, kUnusedBank}},
    {{{"P", 47}, {"U", 31}, kUnusedBank, kUnusedBank, kUnusedBank, kUnusedBank, kUnusedBank, kUnusedBank}},
    {{{"A", 63}, {"B", 63}, {"C", 63}, {"D", 63}, {"Dr", 7}, kUnusedBank, kUnusedBank, kUnusedBank}},
}};

const BankEntry& Bank(int kind, int bank) {
  if (kind < 0 || kind > 2 || bank < 0 || bank > 7) return kUnusedBank;
  return kBanks[static_cast<std::size_t>(kind)][static_cast<std::size_t>(bank)];
}

const KindEntry* Entry(int kind) {
  return (kind >= 0 && kind < kKindCount) ? &kKinds[static_cast<std::size_t>(kind)] : nullptr;
}

// The last `count` characters of the decimal form of n.
std::string LastDigits(int n, std::size_t count) {
  std::string s = std::to_string(n);
  return s.size() > count ? s.substr(s.size() - count) : s;
}

}  // namespace

std::string KindName(int kind) { return Entry(kind) ? std::string(Entry(kind)->name) : std::string(); }
std::string KindExtension(int kind) { return Entry(kind) ? std::string(Entry(kind)->extension) : std::string(); }

int KindOfExtension(std::string_view extension) {
  for (int k = 0; k < kSetFileKinds; ++k)
    if (EqualsIgnoreAsciiCase(extension, KindExtension(k))) return k;
  return -1;
}
int KindHeaderCode(int kind) { return Entry(kind) ? Entry(kind)->headerCode : -1; }

std::string BankLetter(int kind, int bank) { return std::string(Bank(kind, bank).letter); }
int BankHighestIndex(int kind, int bank) { return Bank(kind, bank).highest; }

int BankCount(int kind) {
  switch (kind) {
    case kArrangement: return 1;
    case kStyle: return 2;
    case kProgram: return 5;
    default: return 0;
  }
}

std::string ItemLabel(int kind, int bank, int index) {
  std::string digits;
  if (kind == kStyle && bank == 1)
    digits = LastDigits((index / 4 + 1) * 10 + index % 4 + 1, 2);
  else if (kind == kProgram && bank == 4)
    digits = LastDigits(index + 1, 1);
  else
    digits = LastDigits((index / 8 + 1) * 10 + index % 8 + 1, 2);
  return BankLetter(kind, bank) + digits;
}

const std::array<std::string_view, 8> kArrangementTrackNames{
    "DRUMS  ", "PERC   ", "BASS   ", "ACC1   ", "ACC2   ", "ACC3   ", "KBD 1  ", "KBD 2  "};
const std::array<std::string_view, 10> kBackingSequenceTrackNames{
    "KBD 1   ", "KBD 2   ", "Extra 1 ", "Extra 2 ", "Extra 3 ", "Extra 4 ", "Extra 5 ", "Extra 6 ", "Extra 7 ", "Extra 8 "};
const std::array<std::string_view, 16> kSongTrackNames{
    "Trk  1", "Trk  2", "Trk  3", "Trk  4", "Trk  5", "Trk  6", "Trk  7", "Trk  8",
    "Trk  9", "Trk 10", "Trk 11", "Trk 12", "Trk 13", "Trk 14", "Trk 15", "Trk 16"};
const std::array<std::string_view, 12> kNoteNames{"C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "A#", "B "};
const std::array<std::string_view, 4> kFourLevelNames{"OFF ", "LOW ", "HIGH", "FULL"};
const std::array<std::string_view, 4> kKeyboardModes{"SINGLE", "LAYER", "SPLIT", "M.DRUMS"};
const std::array<std::string_view, 35> kFootswitchFunctions{
    "OFF", "START/STOP", "SYNC START/STOP", "RESET", "INTRO/ENDING 1", "INTRO/ENDING 2", "FILL 1",
    "FILL 2", "VARIATION 1", "VARIATION 2", "VARIATION 3", "VARIATION 4", "CHORD HOLD", "BASS INVERSION",
    "SCALE CHANGE", "ARR/Style UP", "ARR/Style DOWN", "Program UP", "Program DOWN", "VARIATION UP",
    "VARIATION DOWN", "PUNCH IN/OUT", "EFFECT 1 ON/OFF", "EFFECT 2 ON/OFF", "DRUM MUTE", "PERC MUTE",
    "BASS MUTE", "ACC1 MUTE", "ACC2 MUTE", "ACC3 MUTE", "VOLUME", "EXPRESSION", "VDF CUTOFF",
    "EFFECT CONTROL", "ENTRY"};

}  // namespace tolvane
