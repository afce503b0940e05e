// Reading one Set file whole and checking its 8-byte header.

#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "sets/set_files.h"
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
  // Unbuffered: only the 8 header bytes are read, not a buffer's worth.
  std::ifstream in;
  in.rdbuf()->pubsetbuf(nullptr, 0);
  in.open(file.path, std::ios::binary);
  if (!in) {
    ShowFileError(ws, "Can't open file " + shownName);
    return std::nullopt;
  }
  Bytes header(8);
  in.read(reinterpret_cast<char*>(header.data()), 8);
  if (in.gcount() != 8) {
    ShowFileError(ws, "Error reading " + shownName + " file header");
    return std::nullopt;
  }
  if (!HeaderValid(header, kind)) {
    ShowFileError(ws, shownName + " is not a valid file");
    return std::nullopt;
  }
  return file;
}


std::optional<KindFile> CheckKindBytes(Workspace& ws, const std::string& path, Bytes bytes,
                                       const std::string& shownName, int kind) {
  if (bytes.size() < 8) {
    ShowFileError(ws, "Error reading " + shownName + " file header");
    return std::nullopt;
  }
  if (!HeaderValid(bytes, kind)) {
    ShowFileError(ws, shownName + " is not a valid file");
    return std::nullopt;
  }
  return KindFile{path, std::move(bytes)};
}

bool ReadKindBytes(const KindFile& file, Bytes& bytes) {
  if (!file.bytes) return ReadWholeFile(file.path, bytes);
  bytes = *file.bytes;
  return true;
}

bool ReadWholeFile(const std::string& path, Bytes& bytes) {
  std::error_code ec;
  const auto size = fs::file_size(path, ec);
  if (ec) return false;
  std::ifstream in(path, std::ios::binary);
  bytes.resize(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
  return in.good() || (in.eof() && static_cast<std::size_t>(in.gcount()) == bytes.size());
}

}  // namespace tolvane
