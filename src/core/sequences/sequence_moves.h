#pragma once
// Items changing places within the list of Backing Sequences or of Songs.

#include "sequences/sequence_clip.h"
#include "sequences/sequence_data.h"

namespace tolvane {

class Workspace;

// Moves item `from` of Set s before line `to` (0 to 10; 10 is after the
// last line) through the clipboard, which keeps the item; the undo record
// remembers `to`. The items between close up, every chaining link follows the
// item it pointed to, and the offsets are laid out again. Returns the line the
// item landed on; -1 (nothing done) for a line outside the list.
int MoveBackingSequence(Workspace& ws, int s, int from, int to);
int MoveSong(Workspace& ws, int s, int from, int to);

// Items at + 1 to 9 move up one line; item 9 stays as it was.
template <class Data>
void CloseGap(Data& data, int at) {
  for (int k = at + 1; k < kSequenceItemCount; ++k) CopyItemOver(data, k, k - 1);
}

// Items at to 8 move down one line; item 9 is overwritten.
template <class Data>
void OpenGap(Data& data, int at) {
  for (int k = kSequenceItemCount - 1; k > at; --k) CopyItemOver(data, k - 1, k);
}

}  // namespace tolvane
