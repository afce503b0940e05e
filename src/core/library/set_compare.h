#pragma once
// Comparing two Sets item by item and kind by kind, for the user and for
// scripts: one line per difference.

#include <string>
#include <vector>

namespace tolvane {

struct SetStores;

// The differences between Set a (called nameA in the lines) and Set b, kind
// by kind (Arrangements, Styles, Programs with the drum kits, Backing
// Sequences, Songs, then the global record), places in order. Lines (no
// line end):
//   Arrangement A12 "SOFT ROCK" differs: style, tempo
//   Arrangement A12 "SOFT ROCK" differs from "HARD ROCK": name, programs
//   Style U11 "FUNK" moved to U23
//   Program D11 "PIANO" only in SETA
//   Global data differs
// An item is "moved" when its bytes are at another place of b and its own
// place in b holds something else; "only in" an item of one Set whose bytes
// are nowhere unmatched in the other and whose place there is empty or was
// explained by a move. No lines: the Sets hold the same items.
std::vector<std::string> CompareSets(const SetStores& a, const SetStores& b, const std::string& nameA,
                                     const std::string& nameB);

}  // namespace tolvane
