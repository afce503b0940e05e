#include "editing/edit_error.h"

#include "sets/workspace.h"
#include "storage/tables.h"

namespace tolvane {

void ShowEditError(Workspace& ws, int kind, const std::string& detail) {
  ws.ui.ShowMessage({MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok, "Error",
                     "Error editing " + KindName(kind) + " data.\r\n" + detail + "\r\nDon't save this Set to disk!"});
}

}  // namespace tolvane
