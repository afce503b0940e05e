#include "set_collection.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::bench {

SetCollection::SetCollection() {
  folder = (fs::temp_directory_path() / "tolvane-collection-bench").string();
  setsFolder = folder + "/sets";
  fs::remove_all(folder);
  fs::create_directories(folder + "/program");
  fs::create_directories(setsFolder);
  const std::string data = TOLVANE_DATA_DIR;
  fs::copy(data + "/I3EMPTY", folder + "/program/I3EMPTY", fs::copy_options::recursive);
  fs::copy_file(data + "/I3PRSTS.TXT", folder + "/program/I3PRSTS.TXT");
  for (int i = 0; i < kCollectionSets; ++i) {
    const std::string source = i % 2 ? data + "/I3EMPTY/I3EMPTY" : data + "/DEMO/DEMO";
    sets.push_back(setsFolder + "/SET" + std::to_string(i));
    for (int k = 0; k < kSetFileKinds; ++k) fs::copy_file(source + KindExtension(k), sets.back() + KindExtension(k));
  }
  BuildTables(ws, folder + "/program");
  LoadPresetNames(ws);
  ws.prefs.warnDupl = 0;
}

SetCollection::~SetCollection() { fs::remove_all(folder); }

SetCollection& SharedCollection() {
  static SetCollection collection;
  return collection;
}

void ReadCollectionPlain(const SetCollection& c) {
  for (const std::string& set : c.sets) {
    for (int k = 0; k < kSetFileKinds; ++k) {
      const std::string path = set + KindExtension(k);
      std::ifstream in(path, std::ios::binary);
      Bytes bytes(static_cast<std::size_t>(fs::file_size(path)));
      in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      benchmark::DoNotOptimize(bytes.data());
    }
  }
}

}  // namespace tolvane::bench
