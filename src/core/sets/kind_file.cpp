// Reading one Set file whole and checking its 8-byte header.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

bool HeaderValid(std::span<const std::uint8_t> b, int kind) {
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
  // The file is read whole here, once: its reader takes these bytes.
  const int fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    std::error_code ec;
    const bool exists = errno != ENOENT || fs::exists(fs::symlink_status(file.path, ec));
    ShowFileError(ws, exists ? "Can't open file " + shownName : "File " + shownName + " not found");
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    ShowFileError(ws, "Can't open file " + shownName);
    return std::nullopt;
  }
  FileBytes bytes(static_cast<std::size_t>(st.st_size));
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (got < 8) {
    ShowFileError(ws, "Error reading " + shownName + " file header");
    return std::nullopt;
  }
  if (!HeaderValid(bytes, kind)) {
    ShowFileError(ws, shownName + " is not a valid file");
    return std::nullopt;
  }
  // A file that could not be read to its end is read again by its reader,
  // which then says so.
  if (got == bytes.size()) file.bytes = std::move(bytes);
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
  return KindFile{path, FileBytes(bytes.begin(), bytes.end())};
}

bool KindFileBytes(const KindFile& file, Bytes& storage, std::span<const std::uint8_t>& bytes) {
  if (file.bytes) {
    bytes = *file.bytes;
    return true;
  }
  if (!ReadWholeFile(file.path, storage)) return false;
  bytes = storage;
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
