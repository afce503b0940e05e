#pragma once
// Saving the Set report and the subset report as files: the save dialog,
// the question before an existing file is replaced, and the error message.

#include <string>

namespace tolvane {

class Workspace;

// "Create Report &File...": the report text of Set d followed by CR LF.
// True when the file was written; false when cancelled, declined or failed
// (after the message).
bool SaveReportFile(Workspace& ws, int d, const std::string& reportText);
// "Create Su&bset Report File...": the table of the kind on show (tab 0 to
// 5) of Set d; an empty file for a kind without a table.
bool CreateSubsetReportFile(Workspace& ws, int d, int tab);

}  // namespace tolvane
