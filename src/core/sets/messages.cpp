#include "sets/set_files.h"
#include "storage/tables.h"

namespace tolvane {

namespace {
void ShowError(Workspace& ws, const std::string& text) {
  ws.ui.ShowMessage({MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok, "Error", text});
}
}  // namespace

void ShowReadError(Workspace& ws, int kind, const std::string& detail) {
  ShowError(ws, "Error getting " + KindName(kind) + " data.\r\n" + detail);
}

void ShowSaveError(Workspace& ws, int kind, const std::string& detail) {
  ShowError(ws, "Error saving " + KindName(kind) + " data.\r\n" + detail);
}

void ShowEditError(Workspace& ws, int kind, const std::string& detail) {
  ShowError(ws, "Error editing " + KindName(kind) + " data.\r\n" + detail + "\r\nDon't save this Set to disk!");
}

}  // namespace tolvane
