// Set paths: a Set is named by its folder and base name; its five files are
// found in the folder whatever the case of their names.

#include <filesystem>
#include <system_error>

#include "sets/set_files.h"
#include "storage/tables.h"
#include "storage/text.h"

namespace fs = std::filesystem;

namespace tolvane {

std::string FolderOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::vector<FileFilter> SetFileFilters() {
  std::vector<FileFilter> filters{{"All", "*.*"}};
  for (int k = 0; k < kSetFileKinds; ++k) filters.push_back({KindName(k), "*" + KindExtension(k)});
  return filters;
}

std::vector<FileFilter> SetAndImageFilters() {
  std::vector<FileFilter> filters = SetFileFilters();
  filters.push_back({"Disk images", "*.img *.ima"});
  return filters;
}

std::string KindFilePath(const std::string& setPath, int kind, bool* exists) {
  const std::string folder = FolderOf(setPath);
  const std::string wanted = BaseNameOf(setPath) + KindExtension(kind);
  std::string upper = (folder.empty() ? "" : folder + "/") + UpperAscii(wanted);
  std::error_code ec;
  if (fs::exists(upper, ec)) {
    if (exists != nullptr) *exists = true;
    return upper;
  }
  // Prefer the exact name, then the first case-insensitive match in name order.
  std::string found;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name == wanted) {
      found = name;
      break;
    }
    if (EqualsIgnoreAsciiCase(name, wanted) && (found.empty() || name < found)) found = name;
  }
  const std::string path = found.empty() ? upper : (folder.empty() ? "" : folder + "/") + found;
  if (exists != nullptr) *exists = !found.empty() && fs::exists(path, ec);
  return path;
}

}  // namespace tolvane
