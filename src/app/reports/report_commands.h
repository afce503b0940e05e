#pragma once
// Carries out the Utilities commands of a document window: the Set report,
// the subset report file and the comparison with another Set.

namespace tolvane {

class DocumentWindow;
class Workspace;

void ConnectReportCommands(DocumentWindow* window, Workspace& ws);

}  // namespace tolvane
