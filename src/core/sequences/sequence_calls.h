#pragma once
// A Backing Sequence or Song that has come from another Set calls that Set's
// items by number: its calls are found again by name in the Set it came to,
// or sent where the user chooses.

namespace tolvane {

class Workspace;

// Backing Sequence `index` of Set destination came from Set source: its
// Arrangement, user Style and user Programs are looked up by name in
// destination; for each one missing the user may keep the number, pick
// another item or cancel. False when the user cancels; the item is then left
// as it was before the call. Without its source Set nothing is looked up.
bool ResolvePastedBackingSequenceCalls(Workspace& ws, int source, int destination, int index);
// The same for the user Programs of the 16 tracks of Song `index`.
bool ResolvePastedSongCalls(Workspace& ws, int source, int destination, int index);

}  // namespace tolvane
