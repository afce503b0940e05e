#include "bench_workspace.h"

#include <cstdio>
#include <cstdlib>

#include "sets/set_files.h"

namespace tolvane::bench {

BenchWorkspace::BenchWorkspace() {
  ::setenv("TEMP", files.Folder().c_str(), 1);
  if (!BuildTables(ws, files.ProgramFolder()) || !LoadPresetNames(ws)) {
    std::fprintf(stderr, "The program folder %s is not usable.\n", files.ProgramFolder().c_str());
    std::exit(1);
  }
}

BenchWorkspace& SharedWorkspace() {
  static BenchWorkspace shared;
  return shared;
}

}  // namespace tolvane::bench
