#pragma once
// The Sets shipped beside the program, made by code so that they can be made
// again byte for byte.

#include <string>

#include "sets/workspace.h"

namespace tolvane::tools {

// File headers of the five Set files: "KORG", the model number and the kind's code.
void StampHeaders(SetStores& set);
// Lays the event areas of Backing Sequences, Songs and Patterns one after the
// other from `base`, from the event data each item holds.
void LayOutEventAreas(SetStores& set, int base, const std::array<std::array<int, kEventTracks>, 10>& bsqTracks,
                      const std::array<std::array<int, kEventTracks>, 10>& songTracks,
                      const std::array<int, kPatternCount>& patternBlocks);

SetStores MakeTemplateSet();
SetStores MakeDemoSet();
std::string MakePresetNamesText();
std::string MakeTipsText();

}  // namespace tolvane::tools
