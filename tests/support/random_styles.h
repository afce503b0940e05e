#pragma once
// Random style data of a whole Set, for round trips through the style file.

#include "random_fill.h"
#include "styles/style_data.h"

namespace tolvane::test {

// blockCount Blocks (1 to 8) of random Styles: random header and data bytes,
// some empty Styles (blank name, size 1168, 1106 zero data bytes as a read file
// gives them), at least one Style larger than 16384 bytes. No name starts with
// "UserStyle", so decoding the encoded file gives the same data back.
StyleSetData RandomStyleSetData(Rng& rng, int blockCount);

// A random non-empty Style of the given size (at least 62) and a random name.
void RandomStyle(Rng& rng, StyleSetData& data, int userIndex, std::int32_t size);

}  // namespace tolvane::test
