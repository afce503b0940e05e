#include "sets/file_steps.h"
#include "sets/set_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace tolvane {

bool WriteWholeFile(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return !out.fail();
}

namespace {

// Puts what the system holds of a file or folder on the disk, so that a
// crash after the rename that follows cannot leave an empty file behind.
bool Sync(const fs::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

bool CopyToNew(const std::string& from, const std::string& to) {
  std::error_code ec;
  return fs::copy_file(from, to, fs::copy_options::none, ec) && !ec && Sync(to);
}

bool RenameOver(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(from, to, ec);
  if (ec) return false;
  Sync(fs::path(to).parent_path());  // the new name; not every file system can sync a folder
  return true;
}

bool InGroup(gid_t gid) {
  if (gid == ::getegid()) return true;
  const int count = ::getgroups(0, nullptr);
  if (count <= 0) return false;
  std::vector<gid_t> groups(static_cast<std::size_t>(count));
  const int got = ::getgroups(count, groups.data());
  for (int i = 0; i < got; ++i)
    if (groups[static_cast<std::size_t>(i)] == gid) return true;
  return false;
}

}  // namespace

FileSteps::FileSteps() : write(WriteWholeFile), copy(CopyToNew), rename(RenameOver) {}

std::string FollowLinks(const std::string& path) {
  fs::path p(path);
  std::error_code ec;
  for (int hops = 0; fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
    const fs::path target = fs::read_symlink(p, ec);
    if (ec || hops == 40) return {};
    p = target.is_absolute() ? target : p.parent_path() / target;
  }
  return p.lexically_normal().string();
}

bool MayWrite(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return errno == ENOENT;
  mode_t bit = S_IWOTH;
  if (st.st_uid == ::geteuid())
    bit = S_IWUSR;
  else if (InGroup(st.st_gid))
    bit = S_IWGRP;
  return (st.st_mode & bit) != 0 && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

void TakeModeOf(const std::string& like, const std::string& to) {
  struct stat st {};
  if (::stat(like.c_str(), &st) != 0) return;
  // Owner first: a change of owner may clear the set-user and set-group bits.
  [[maybe_unused]] const int owned = ::chown(to.c_str(), st.st_uid, st.st_gid);
  ::chmod(to.c_str(), st.st_mode & 07777);
}

}  // namespace tolvane
