#pragma once
// Room for event data: the instrument's 16384 blocks that Backing Sequences,
// Songs and Patterns share, and the 16-bit offsets that place each area in
// its file. An edit that would overrun either is refused.

#include <string>

namespace tolvane {

class Workspace;

// The blocks that Set d's Backing Sequences, Songs and Patterns take.
int EventBlocksInUse(const Workspace& ws, int d);

// Whether Set d's Backing Sequences (kind 3) or Songs (kind 4), as an edit
// has just laid them out again, still fit: their offsets within 16 bits and,
// with limitMemory, no more blocks taken than were free when blocksBefore
// were in use. Otherwise tells the user that `what` does not fit.
bool EventRoomFor(Workspace& ws, int d, int kind, int blocksBefore, const std::string& what, bool limitMemory);

// "Backing Sequence 'NAME'", as the refusals name an item.
std::string EventItemText(int kind, const std::string& name);

}  // namespace tolvane
