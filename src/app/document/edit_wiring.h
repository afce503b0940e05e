#pragma once
// Carries out the Edit commands of a document window through the core's
// dispatch, on the item current in the tab shown.

namespace tolvane {

class DocumentWindow;
class Workspace;

void ConnectEditCommands(DocumentWindow* window, Workspace& ws);

}  // namespace tolvane
