// A Set file that could not be read whole at opening is kept beside itself
// before a save first replaces it, so that what the editor could not read
// is not lost with it.

#include <filesystem>
#include <system_error>

#include "sets/file_steps.h"
#include "sets/set_files.h"

namespace fs = std::filesystem;

namespace tolvane {

bool KeepDamagedOriginal(Workspace& ws, const std::string& destination, const std::string& shownName) {
  std::error_code ec;
  if (!fs::exists(destination, ec)) return true;  // nothing left to keep
  const std::string backup = destination + ".BAK";
  std::string kept;
  // An earlier backup may be all that is left of an older original: it stays.
  if (fs::exists(fs::symlink_status(backup, ec)))
    kept = BaseNameOf(backup) + " exists already and is left as it is; the original is replaced.";
  else if (ws.fileSteps.copy(destination, backup))
    kept = "It is kept as " + BaseNameOf(backup) + ".";
  else
    return false;
  ws.ui.ShowMessage({MsgIcon::Exclamation, MsgButtons::Ok, MsgResult::Ok, "",
                     "The original " + (shownName.empty() ? BaseNameOf(destination) : shownName) + " could not be read whole.\r\n" + kept});
  return true;
}

}  // namespace tolvane
