#pragma once
// Whole Sets for tests: generated with random bytes in every carried field,
// written to disk, and a workspace set up like the program's own.

#include <memory>
#include <string>

#include "random_fill.h"
#include "scripted_ui.h"
#include "storage/bytes.h"
#include "sets/workspace.h"

namespace tolvane::test {

// A random Set with the given number of style Blocks, valid file headers and
// consistent event areas.
SetStores RandomSet(Rng& rng, int blockCount);
Bytes EncodeKind(const SetStores& set, int kind);
// Writes the five files as folder/NAME.EXT (upper-case extension).
void WriteSetFiles(const std::string& folder, const std::string& name, const SetStores& set);
Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const Bytes& bytes);

// A folder that is removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// A workspace whose program folder holds the shipped template Set and preset
// names, with the scratch file in its own folder and one free slot.
struct TestWorkspace {
  TestWorkspace();
  TempDir dir;
  std::string programFolder;
  ScriptedUi ui;
  Workspace ws{ui, ui};
};

}  // namespace tolvane::test
