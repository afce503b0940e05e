#pragma once
// Saving one item of a Set as an IStyle file, for sharing single items: the
// file holds the item exactly as Paste from IStyle reads it back.

namespace tolvane {

class Workspace;

// Each writes item n of Set d (the arrangement number, the user Style 0 to
// 31, the user Program 0 to 63 as ".IPF" or drum kit 64, 65 as ".IDK") to a
// file the user chooses, through the scratch file, so that a file already
// there is replaced whole or not at all. An empty item is not saved.
// Cancelling the dialog ends silently; failures show "Error saving " + the
// kind's name + " data.". True when the file was written.
bool ExportArrangementToIStyle(Workspace& ws, int d, int n);
// A Style whose data part is larger than an IStyle file may hold (more than
// 14923 events) is refused before the dialog.
bool ExportStyleToIStyle(Workspace& ws, int d, int u);
bool ExportProgramToIStyle(Workspace& ws, int d, int u);

}  // namespace tolvane
