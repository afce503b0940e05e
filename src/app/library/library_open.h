#pragma once
// Opening the Set of a Library row on its item.

#include <cstdint>
#include <string>

namespace tolvane {

class DocumentWindows;
struct Library;
class Workspace;

// The open Set whose path is `setPath` (folder and name compared without
// case, as Set files are found), or 0.
int OpenSetAt(const Workspace& ws, const std::string& setPath);
// Opens the item's Set, or brings its window forward when it is open, and
// shows the item selected on its tab.
void OpenLibraryItem(Workspace& ws, DocumentWindows& documents, const Library& library, std::uint32_t item);

}  // namespace tolvane
