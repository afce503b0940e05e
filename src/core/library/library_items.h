#pragma once
// The named items of one Set read into stores, as library items.

#include <cstdint>
#include <vector>

#include "library/library.h"

namespace tolvane {

struct SetStores;

// Appends every named item of the Set (Arrangements, user Styles, user
// Programs and drum kits, Backing Sequences, Songs) with its content hash.
void AppendSetItems(const PresetNames& presets, const SetStores& set, std::uint32_t setIndex,
                    std::vector<LibraryItem>& items);

}  // namespace tolvane
