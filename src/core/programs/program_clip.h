#pragma once
// Moving one user Program or drum kit between a Set and a transfer record.

#include "editing/transfer_records.h"

namespace tolvane {

class Workspace;

// Copies user item userIndex of Set d, with its drum-kit data for the drum
// kits, into the clip. An index that names no user item does nothing.
void CopyProgramToClip(ProgramClip& clip, const Workspace& ws, int d, int userIndex);
// Writes the clip into user item userIndex of Set d and marks the Set's
// Programs modified. Returns the clip's source index; -1 (nothing written)
// when userIndex names no user item.
int PasteClipToProgram(const ProgramClip& clip, Workspace& ws, int d, int userIndex);

}  // namespace tolvane
