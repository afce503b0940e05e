#include "maximal_set_files.h"

#include <filesystem>

#include "maximal_set.h"
#include "set_builder.h"

namespace fs = std::filesystem;

namespace tolvane::bench {

MaximalSetFiles::MaximalSetFiles(const std::string& name)
    : folder_((fs::temp_directory_path() / name).string()) {
  fs::remove_all(folder_);
  fs::create_directories(ProgramFolder());
  const std::string data = TOLVANE_DATA_DIR;
  fs::copy(data + "/I3EMPTY", ProgramFolder() + "/I3EMPTY", fs::copy_options::recursive);
  fs::copy_file(data + "/I3PRSTS.TXT", ProgramFolder() + "/I3PRSTS.TXT");
  test::Rng rng(2024);
  const SetStores set = test::MaximalSet(rng);
  test::WriteSetFiles(folder_, "MAXSET", set);
  test::WriteSetFiles(folder_, "MAXCOPY", set);
}

MaximalSetFiles::~MaximalSetFiles() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

}  // namespace tolvane::bench
