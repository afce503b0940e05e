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

using namespace tolvane;

int main(int argc, char** argv) {
  if (argc != 2) return std::cerr << "Usage: fuzz-seeds OUT_DIR\n", 2;
  const std::filesystem::path out = argv[1];
  const char* readers[] = {"arrangement", "style", "program", "backing_sequence", "song", "istyle"};
  for (const char* r : readers) std::filesystem::create_directories(out / r);
  test::Rng rng(20261206);
  for (int s = 0; s < 9; ++s) {
    const SetStores set = s == 8 ? test::MaximalSet(rng) : test::RandomSet(rng, s + 1);
    const auto write = [&](const char* reader, const std::string& kind, const Bytes& bytes) {
      test::WriteFileBytes((out / reader / ("generated" + std::to_string(s) + kind)).string(), bytes);
    };
    for (int k = 0; k < kSetFileKinds; ++k) write(readers[k], "", test::EncodeKind(set, k));
    const std::size_t u = static_cast<std::size_t>(s * 7 % kUserStyleCount);
    write("istyle", "arrangement", EncodeIStyleArrangement(set.arrangements.records[s]));
    write("istyle", "style", EncodeIStyleStyle({0, 0, 0, set.styles.present[u], set.styles.sizes[u], set.styles.headers[u], set.styles.data[u]}));
    write("istyle", "program", EncodeIStyleProgram(set.programs.records[s]));
    write("istyle", "drumkit", EncodeIStyleDrumKit(set.programs.records[kUserProgramCount], set.programs.drumKits[0]));
  }
  return 0;
}
