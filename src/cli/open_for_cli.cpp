#include "open_for_cli.h"

#include "commands.h"
#include "editing/duplicate_names.h"
#include "library/set_reading.h"
#include "sets/set_files.h"

namespace tolvane {

// The steps of OpenSet without its windows, then the duplicate-name check.
int OpenForCli(CliContext& cx, const std::string& setPath) {
  cx.ui.prefix = setPath + ": ";
  const int errorsBefore = cx.ui.errors;
  const int d = ReadSetIntoFreeSlot(cx.ws, setPath);
  if (d == 0) return 0;
  if (cx.ui.errors != errorsBefore) {
    UnloadDocument(cx.ws, d);
    return 0;
  }
  CheckSetDuplicateNames(cx.ws, d);
  return d;
}

}  // namespace tolvane
