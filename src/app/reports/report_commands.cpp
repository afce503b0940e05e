#include "reports/report_commands.h"

#include <QTabWidget>

#include "document/document_window.h"
#include "library/compare_window.h"
#include "reports/report_files.h"
#include "reports/report_window.h"
#include "sets/workspace.h"

namespace tolvane {

void ConnectReportCommands(DocumentWindow* window, Workspace& ws) {
  QObject::connect(window, &DocumentWindow::utilityCommand, window, [window, &ws](int d, UtilityCommand command) {
    if (!ws.InUse(d) || window->Document() != d) return;
    if (command == UtilityCommand::SetReport)
      ShowSetReport(ws, d, window->window());
    else if (command == UtilityCommand::Compare)
      CompareWithCommand(ws, d, window->window());
    else
      CreateSubsetReportFile(ws, d, window->tabMode->currentIndex());
  });
}

}  // namespace tolvane
