#pragma once
// A scratch folder for the benchmarks: a program folder with the template
// Set and the preset names, and the largest Set the instrument holds written
// twice, as MAXSET and as MAXCOPY (two Sets with the same bytes, so that a
// drop from one into the other always fits). Removed with everything in it.

#include <string>

namespace tolvane::bench {

class MaximalSetFiles {
 public:
  // `name`: the folder's name in the temporary folder; one per binary.
  explicit MaximalSetFiles(const std::string& name);
  ~MaximalSetFiles();
  MaximalSetFiles(const MaximalSetFiles&) = delete;
  MaximalSetFiles& operator=(const MaximalSetFiles&) = delete;

  const std::string& Folder() const { return folder_; }
  std::string ProgramFolder() const { return folder_ + "/program"; }
  // Set paths: folder/base name, without extension.
  std::string Set() const { return folder_ + "/MAXSET"; }
  std::string Copy() const { return folder_ + "/MAXCOPY"; }

 private:
  std::string folder_;
};

}  // namespace tolvane::bench
