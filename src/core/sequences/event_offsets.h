#pragma once
// Rebuilding the offset tables after the event areas have changed size, so
// that the areas lie one after the other again.

#include "sequences/sequence_data.h"

namespace tolvane {

// Offsets from the track sizes, starting at the first track's offset (kept);
// the end offset follows the last track. Item sizes are summed again.
void RecomputeBackingSequenceOffsets(BackingSequenceSetData& data);
// The same for the song tracks. The Pattern areas follow the song area at
// once, each keeping its own data, so that the file stays readable whatever
// the song area's new size.
void RecomputeSongOffsets(SongSetData& data);

// After a failed read: items whose event data was not read whole become
// empty, and the offsets are laid out again from what is kept.
void KeepReadableAfterFailure(BackingSequenceSetData& data);
void KeepReadableAfterFailure(SongSetData& data);

}  // namespace tolvane
