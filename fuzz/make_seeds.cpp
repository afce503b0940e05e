// fuzz-seeds OUT_DIR: generated Sets of every shape (one to eight style Blocks,
// empty and full items, the largest Set the instrument holds) written as the
// first inputs of each reader's fuzzer, one folder per reader.
#include <filesystem>
#include <iostream>
#include <string>

#include "istyle/istyle_files.h"
#include "maximal_set.h"
#include "set_builder.h"
#include "storage/tables.h"

namespace fs = std::filesystem;
using namespace tolvane;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Usage: fuzz-seeds OUT_DIR\n";
    return 2;
  }
  const fs::path out = argv[1];
  const char* readers[kSetFileKinds] = {"arrangement", "style", "program", "backing_sequence", "song"};
  for (const char* r : readers) fs::create_directories(out / r);
  fs::create_directories(out / "istyle");
  test::Rng rng(20261206);
  for (int s = 0; s < 9; ++s) {
    const SetStores set = s == 8 ? test::MaximalSet(rng) : test::RandomSet(rng, s + 1);
    const std::string name = "generated" + std::to_string(s);
    for (int k = 0; k < kSetFileKinds; ++k)
      test::WriteFileBytes((out / readers[k] / name).string(), test::EncodeKind(set, k));
    const int u = s * 7 % kUserStyleCount;
    const StyleClip style{0, 0, 0, set.styles.present[u], set.styles.sizes[u], set.styles.headers[u],
                          set.styles.data[u]};
    const auto istyle = [&](const char* kind, const Bytes& bytes) {
      test::WriteFileBytes((out / "istyle" / (name + kind)).string(), bytes);
    };
    istyle("arrangement", EncodeIStyleArrangement(set.arrangements.records[s]));
    istyle("style", EncodeIStyleStyle(style));
    istyle("program", EncodeIStyleProgram(set.programs.records[s]));
    istyle("drumkit", EncodeIStyleDrumKit(set.programs.records[kUserProgramCount], set.programs.drumKits[0]));
  }
  return 0;
}
