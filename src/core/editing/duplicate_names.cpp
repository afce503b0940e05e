#include "editing/duplicate_names.h"

#include "arrangements/arrangement_duplicates.h"
#include "programs/program_duplicates.h"
#include "sets/workspace.h"
#include "styles/style_edits.h"

namespace tolvane {

namespace {
constexpr int kReportedPairs = 4;
}

bool DuplicateNameReport::Pair(const std::string& first, const std::string& second, const std::string& trimmedName) {
  found_ = true;
  --allowance_;
  if (allowance_ <= 0) {
    ws_.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "",
                        "More than " + std::to_string(kReportedPairs) + " " + kindName_ + " duplicate names !"});
    return false;
  }
  ws_.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "",
                      kindName_ + " duplicate name\r\n" + first + " - " + second + "  (" + trimmedName + ")"});
  return true;
}

bool DuplicateWarningsOn(const Workspace& ws) { return ws.prefs.warnDupl != 0; }

void CheckSetDuplicateNames(Workspace& ws, int d) {
  CheckArrangementDuplicateNames(ws, d);
  CheckStyleDuplicateNames(ws, d);
  CheckProgramDuplicateNames(ws, d);
}

}  // namespace tolvane
