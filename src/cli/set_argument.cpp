#include "set_argument.h"

#include <filesystem>
#include <system_error>

#include "sets/image_sets.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

std::string SetPathFromArgument(const std::string& argument) {
  std::string path = argument;
  if (path.size() > 4) {
    const std::string extension = path.substr(path.size() - 4);
    for (int k = 0; k < kSetFileKinds; ++k)
      if (EqualsIgnoreAsciiCase(extension, KindExtension(k))) path.resize(path.size() - 4);
  }
  // IMAGE::NAME names a Set inside a disk image.
  const auto inImage = SplitImageSetPath(path);
  const std::string place = inImage ? inImage->image : path;
  if (place.find('/') == std::string::npos) path = "./" + path;
  return path;
}

std::string ExecutableFolder(const char* argv0) {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  if (ec) exe = fs::absolute(argv0, ec);
  return exe.parent_path().string();
}

}  // namespace tolvane
