#include "set_builder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "random_set_parts.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;

namespace tolvane::test {

SetStores RandomSet(Rng& rng, int blockCount) {
  SetStores set;
  set.arrangements = RandomArrangementSetData(rng, rng.Int(0, 3000));
  set.styles = RandomStyleSetData(rng, blockCount);
  set.programs = RandomProgramSetData(rng);
  set.global = RandomGlobalRecord(rng);
  set.backingSequences = RandomBackingSequenceSetData(rng);
  set.songs = RandomSongSetData(rng);
  StampHeader(set.styles.header, kStyle);
  StampHeader(set.backingSequences.header, kBackingSequence);
  StampHeader(set.songs.header, kSong);
  return set;
}

Bytes EncodeKind(const SetStores& set, int kind) { return EncodeKindFile(set, kind); }

void WriteSetFiles(const std::string& folder, const std::string& name, const SetStores& set) {
  fs::create_directories(folder);
  for (int k = 0; k < kSetFileKinds; ++k) WriteFileBytes(folder + "/" + name + KindExtension(k), EncodeKind(set, k));
}

Bytes ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  // Taken once: tests change TEMP and TMPDIR to try the scratch folder rules.
  static const fs::path base = fs::temp_directory_path();
  path_ = (base /
           ("tolvane-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++)))
              .string();
  fs::remove_all(path_);
  fs::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  // Read-only files made by a test must not keep their folder alive.
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

TestWorkspace::TestWorkspace() {
  programFolder = dir / "program";
  fs::create_directories(programFolder);
  fs::copy(std::string(TOLVANE_DATA_DIR) + "/I3EMPTY", programFolder + "/I3EMPTY", fs::copy_options::recursive);
  fs::copy_file(std::string(TOLVANE_DATA_DIR) + "/I3PRSTS.TXT", programFolder + "/I3PRSTS.TXT");
  fs::create_directories(dir / "scratch");
  ::setenv("TEMP", (dir / "scratch").c_str(), 1);
  EXPECT_TRUE(BuildTables(ws, programFolder));
  EXPECT_TRUE(LoadPresetNames(ws));
  ws.AddSlot();
  ui.events.clear();
}

}  // namespace tolvane::test
