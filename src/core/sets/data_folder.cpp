#include "sets/data_folder.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace tolvane {

namespace {

bool HoldsTemplate(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder / "I3EMPTY", ec);
}

}  // namespace

std::string DataFolder(const std::string& executableFolder, const std::string& relativeShare,
                       const std::string& installedShare) {
  if (HoldsTemplate(executableFolder)) return executableFolder;
  if (!relativeShare.empty()) {
    const fs::path relocated = (fs::path(executableFolder) / relativeShare).lexically_normal();
    if (HoldsTemplate(relocated)) return relocated.string();
  }
  return installedShare;
}

std::string DataFolder(const std::string& executableFolder) {
  return DataFolder(executableFolder, TOLVANE_RELATIVE_DATA_DIR, TOLVANE_INSTALLED_DATA_DIR);
}

}  // namespace tolvane
