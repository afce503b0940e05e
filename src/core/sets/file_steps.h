#pragma once
// The file steps of the writer protocol, and what it asks of a destination
// before replacing it.

#include <functional>
#include <string>

#include "storage/bytes.h"

namespace tolvane {

// The steps that put bytes on disk, each true on success. The editor runs the
// real ones; a test puts a failing step in its place to see that a fault
// while saving loses nothing.
struct FileSteps {
  FileSteps();
  // Writes bytes as the whole content of path.
  std::function<bool(const std::string& path, const Bytes& bytes)> write;
  // Copies the file from to the new file to, flushed to the disk; fails when
  // to exists.
  std::function<bool(const std::string& from, const std::string& to)> copy;
  // Puts the file from in the place of to, in one step.
  std::function<bool(const std::string& from, const std::string& to)> rename;
};

// The file that path names, its symbolic links followed (the file need not
// exist yet); empty when the links cannot be followed to an end.
std::string FollowLinks(const std::string& path);

// False when the running user may not write the existing file at path: the
// write bit of the class (owner, group or others) the process falls in is
// missing, or the system refuses. The bits are looked at even for a user the
// system lets write anything, so a file marked read-only is left alone by all.
bool MayWrite(const std::string& path);

// Gives the file at to the permission bits, owner and group of the file at
// like, as far as the system allows.
void TakeModeOf(const std::string& like, const std::string& to);

}  // namespace tolvane
