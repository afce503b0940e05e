#include "open_for_cli.h"

#include <filesystem>
#include <ostream>
#include <system_error>

#include "commands.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

int OpenForCli(CliContext& cx, const std::string& setPath) {
  cx.ui.prefix = setPath + ": ";
  for (int k = 0; k < kSetFileKinds; ++k) {
    std::error_code ec;
    if (!fs::exists(KindFilePath(setPath, k), ec)) {
      cx.err << setPath << ": File " << FolderOf(setPath) << '/' << UpperAscii(BaseNameOf(setPath) + KindExtension(k))
             << " not found\n";
      return 0;
    }
  }
  const int errorsBefore = cx.ui.errors;
  const int d = OpenSet(cx.ws, OpenMode::Open, setPath);
  if (d != 0 && cx.ui.errors != errorsBefore) {
    UnloadDocument(cx.ws, d);
    return 0;
  }
  return d;
}

}  // namespace tolvane
