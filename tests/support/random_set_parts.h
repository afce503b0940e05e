#pragma once
// Random parts of generated Sets: random bytes in every carried field, with
// headers, calls and offset tables valid, for round trips through the files.

#include "arrangements/arrangement_data.h"
#include "arrangements/global_record.h"
#include "programs/program_data.h"
#include "random_fill.h"
#include "sequences/sequence_data.h"
#include "styles/style_data.h"

namespace tolvane::test {

// The largest trailing data an arrangement file can hold.
inline constexpr int kMaxArrangementTrailingBytes = 32094 - kArrangementMinDataLength;

// A header that passes the header check and states a data length matching
// trailingBytes (0 to kMaxArrangementTrailingBytes) of random trailing data.
// Style and track calls are valid numbers; every other byte is random.
ArrangementSetData RandomArrangementSetData(Rng& rng, int trailingBytes);

// A program file header that passes the header check, the rest random.
ProgramSetData RandomProgramSetData(Rng& rng);
// Random bytes throughout: the files carry the record unchanged.
GlobalRecord RandomGlobalRecord(Rng& rng);

// blockCount Blocks (1 to 8) of random Styles: random header and data bytes,
// some empty Styles (blank name, size 1168, 1106 zero data bytes as a read file
// gives them), at least one Style larger than 16384 bytes. No name starts with
// "UserStyle", so decoding the encoded file gives the same data back.
StyleSetData RandomStyleSetData(Rng& rng, int blockCount);
// A random non-empty Style of the given size (at least 62) and a random name.
void RandomStyle(Rng& rng, StyleSetData& data, int userIndex, std::int32_t size);

// Random records and event bytes; the track offsets start at a random base and
// follow each other without gaps. Some items are empty, at least one holds more
// than 16384 bytes. The file path is left empty.
BackingSequenceSetData RandomBackingSequenceSetData(Rng& rng);
// As above, plus a random song table 2 and 100 Patterns (some empty) after the
// Songs' area.
SongSetData RandomSongSetData(Rng& rng);

}  // namespace tolvane::test
