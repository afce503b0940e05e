#pragma once
// Random backing-sequence and song data of a whole Set, with consistent
// offset tables, for round trips through their files.

#include "random_fill.h"
#include "sequences/sequence_data.h"

namespace tolvane::test {

// Random records and event bytes; the track offsets start at a random base and
// follow each other without gaps. Some items are empty, at least one holds more
// than 16384 bytes. The file path is left empty.
BackingSequenceSetData RandomBackingSequenceSetData(Rng& rng);
// As above, plus a random song table 2 and 100 Patterns (some empty) after the
// Songs' area.
SongSetData RandomSongSetData(Rng& rng);

}  // namespace tolvane::test
