// tolvane-make-sets DATA_DIR: writes the template Set, the demo Set, the preset
// names and the tips into DATA_DIR, through the core's own writers.

#include <filesystem>
#include <fstream>
#include <iostream>

#include "set_makers.h"
#include "storage/bytes.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;
using namespace tolvane;

namespace {

bool WriteFile(const fs::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) std::cerr << "tolvane-make-sets: cannot write " << path.string() << '\n';
  return static_cast<bool>(out);
}

bool WriteSet(const fs::path& folder, const std::string& name, const SetStores& set) {
  fs::create_directories(folder);
  bool ok = true;
  for (int k = 0; k < kSetFileKinds; ++k) {
    const Bytes file = EncodeKindFile(set, k);
    ok = WriteFile(folder / (name + KindExtension(k)), file.data(), file.size()) && ok;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: tolvane-make-sets DATA_DIR\n";
    return 2;
  }
  const fs::path data = argv[1];
  const std::string names = tools::MakePresetNamesText();
  const std::string tips = tools::MakeTipsText();
  bool ok = WriteSet(data / "I3EMPTY", "I3EMPTY", tools::MakeTemplateSet());
  ok = WriteSet(data / "DEMO", "DEMO", tools::MakeDemoSet()) && ok;
  ok = WriteFile(data / "I3PRSTS.TXT", names.data(), names.size()) && ok;
  ok = WriteFile(data / "I3TIPS.TXT", tips.data(), tips.size()) && ok;
  return ok ? 0 : 1;
}
