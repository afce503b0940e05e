#include "reports/report_files.h"

#include <filesystem>
#include <system_error>

#include "reports/report_text.h"
#include "reports/subset_report.h"
#include "reports/whole_file.h"
#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

namespace {

// The dialog, the overwrite question and the write, shared by both reports.
// The error message names the file chosen, or the one offered when the
// dialog itself failed.
bool SaveThroughDialog(Workspace& ws, const FileDialogRequest& request, const std::string& errorText,
                       const std::string& bytes) {
  const FileDialogResult chosen = ws.ui.ChooseFile(request);
  if (chosen.outcome == FileDialogResult::Outcome::Cancelled) return false;
  const std::string path = chosen.outcome == FileDialogResult::Outcome::Chosen ? chosen.path : request.initialName;
  bool written = false;
  if (chosen.outcome == FileDialogResult::Outcome::Chosen) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) &&
        ws.ui.ShowMessage({MsgIcon::Question, MsgButtons::YesNo, MsgResult::No, "", "Overwrite existing file?"}) !=
            MsgResult::Yes)
      return false;
    BusyPointer busy(ws.ui);
    written = WriteFileWhole(path, bytes);
  }
  if (!written)
    ws.ui.ShowMessage({MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok, "Error", errorText + path});
  return written;
}

}  // namespace

bool SaveReportFile(Workspace& ws, int d, const std::string& reportText) {
  const DocumentSlot& slot = ws.Slot(d);
  FileDialogRequest request;
  request.save = true;
  request.title = "Save Report to File...";
  request.initialFolder = slot.folder;
  request.defaultExtension = "TXT";
  request.initialName = slot.name + ".TXT";
  request.filters = {{"Report", "*.TXT"}};
  request.folderMustExist = true;
  return SaveThroughDialog(ws, request, "Error saving Report to file ", reportText + std::string(kCrLf));
}

bool CreateSubsetReportFile(Workspace& ws, int d, int tab) {
  FileDialogRequest request;
  request.save = true;
  request.title = "Save " + KindName(tab) + " Report to File...";
  request.initialFolder = ws.Slot(d).folder;
  request.defaultExtension = "XLS";
  request.initialName = "*.*";
  request.filters = {{"Excel", "*.XLS"}, {"All", "*.*"}};
  request.folderMustExist = true;
  return SaveThroughDialog(ws, request, "Error saving Subset Report to file ", SubsetReportText(ws, d, tab));
}

}  // namespace tolvane
