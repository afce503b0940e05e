#pragma once
// Names of the instrument's factory items, read from a text file at start-up.

#include <array>
#include <string>

namespace tolvane {

struct PresetNames {
  std::array<std::string, 48> styles;     // style numbers 0 to 47
  std::array<std::string, 128> programs;  // program numbers 0 to 127
  std::array<std::string, 64> bankC;      // program numbers 256 to 319
  std::array<std::string, 6> drumKits;    // program numbers 512 to 517
};

inline constexpr const char* kPresetNamesFile = "I3PRSTS.TXT";

// Parses the text of a preset names file. False when the instrument line or
// any of the 246 names is missing.
bool ParsePresetNames(const std::string& text, PresetNames& names);

}  // namespace tolvane
