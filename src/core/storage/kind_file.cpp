// Reading one Set file whole and checking its 8-byte header.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "storage/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

void ShowFileError(Workspace& ws, const std::string& text) {
  ws.ui.ShowMessage({MsgIcon::Critical, MsgButtons::Ok, MsgResult::Ok, "Error", text});
}

bool HeaderValid(const Bytes& b, int kind) {
  if (b[0] != 'K' || b[1] != 'O' || b[2] != 'R' || b[3] != 'G' || b[4] != 0x39) return false;
  return kind >= 8 || b[6] == KindHeaderCode(kind);
}

}  // namespace

std::optional<KindFile> OpenKindFile(Workspace& ws, const std::string& setPath, int kind) {
  // The file name as the user knows it: the Set's name in upper case.
  const std::string folder = FolderOf(setPath);
  const std::string shownName =
      (folder.empty() ? "" : folder + "/") + UpperAscii(BaseNameOf(setPath) + KindExtension(kind));
  KindFile file;
  file.path = KindFilePath(setPath, kind);
  std::error_code ec;
  if (!fs::is_regular_file(file.path, ec)) {
    if (fs::exists(file.path, ec)) {
      ShowFileError(ws, "Can't open file " + shownName);
    } else {
      ShowFileError(ws, "File " + shownName + " not found");
    }
    return std::nullopt;
  }
  std::ifstream in(file.path, std::ios::binary);
  if (!in) {
    ShowFileError(ws, "Can't open file " + shownName);
    return std::nullopt;
  }
  file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad() || file.bytes.size() < 8) {
    ShowFileError(ws, "Error reading " + shownName + " file header");
    return std::nullopt;
  }
  if (!HeaderValid(file.bytes, kind)) {
    ShowFileError(ws, shownName + " is not a valid file");
    return std::nullopt;
  }
  return file;
}

}  // namespace tolvane
