#pragma once
// Carries out the Utilities commands of a document window: the Set report
// and the subset report file.

namespace tolvane {

class DocumentWindow;
class Workspace;

void ConnectReportCommands(DocumentWindow* window, Workspace& ws);

}  // namespace tolvane
