#include "reports/whole_file.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "sets/file_steps.h"

namespace fs = std::filesystem;

namespace tolvane {

namespace {

bool WriteBitMissing(const fs::file_status& status) {
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// A file or folder marked read-only is left alone, whoever runs the program,
// and so is a file this user may not write.
bool MayReplace(const fs::path& path) {
  std::error_code ec;
  const fs::file_status folder = fs::status(path.has_parent_path() ? path.parent_path() : fs::path("."), ec);
  if (ec || !fs::is_directory(folder) || WriteBitMissing(folder)) return false;
  const fs::file_status file = fs::status(path, ec);
  if (ec || !fs::exists(file)) return true;
  return fs::is_regular_file(file) && MayWrite(path.string());
}

}  // namespace

bool WriteFileWhole(const std::string& path, std::string_view bytes) {
  // A link keeps pointing at the file it names, which is the one replaced.
  const fs::path destination(FollowLinks(path));
  if (destination.empty() || destination.filename().empty() || !MayReplace(destination)) return false;
  fs::path beside = destination;
  beside.replace_filename("." + destination.filename().string() + ".tolvane-" + std::to_string(::getpid()));
  std::error_code ec;
  {
    std::ofstream out(beside, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out.fail()) {
      fs::remove(beside, ec);
      return false;
    }
  }
  // The replaced file keeps its permission bits.
  if (fs::exists(destination, ec)) TakeModeOf(destination.string(), beside.string());
  fs::rename(beside, destination, ec);
  if (!ec) return true;
  std::error_code ignore;
  fs::remove(beside, ignore);
  return false;
}

}  // namespace tolvane
