// The subset command over a collection of 1000 Sets, side by side with a
// plain read of the same files: what reading the Sets through the editor and
// building the table costs over the reading itself.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <streambuf>

#include "commands.h"
#include "console_ui.h"
#include "report_commands.h"
#include "set_builder.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;
using namespace tolvane;

namespace {

constexpr int kSets = 1000;

// Standard output of the command, thrown away.
class Discard : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// Half of the collection are copies of the demo Set, half of the template.
struct Collection {
  Collection() {
    folder = (fs::temp_directory_path() / "tolvane-subset-bench").string();
    fs::remove_all(folder);
    fs::create_directories(folder + "/program");
    const std::string data = TOLVANE_DATA_DIR;
    fs::copy(data + "/I3EMPTY", folder + "/program/I3EMPTY", fs::copy_options::recursive);
    fs::copy_file(data + "/I3PRSTS.TXT", folder + "/program/I3PRSTS.TXT");
    for (int i = 0; i < kSets; ++i) {
      const std::string source = i % 2 ? data + "/I3EMPTY/I3EMPTY" : data + "/DEMO/DEMO";
      sets.push_back(folder + "/SET" + std::to_string(i));
      for (int k = 0; k < kSetFileKinds; ++k) fs::copy_file(source + KindExtension(k), sets.back() + KindExtension(k));
    }
    BuildTables(ws, folder + "/program");
    LoadPresetNames(ws);
    ws.prefs.warnDupl = 0;
  }
  ~Collection() { fs::remove_all(folder); }
  std::string folder;
  std::vector<std::string> sets;
  ConsoleUi ui;
  Workspace ws{ui, ui};
};

Collection& Shared() {
  static Collection collection;
  return collection;
}

void BM_SubsetOf1000Sets(benchmark::State& state) {
  Collection& c = Shared();
  Discard discard;
  std::ostream out(&discard);
  CliContext cx{c.ws, c.ui, out, out};
  for (auto _ : state) benchmark::DoNotOptimize(SubsetCommand(cx, static_cast<int>(state.range(0)), c.sets));
  state.SetLabel("vs BM_ReadPlain1000Sets");
}

void BM_ReadPlain1000Sets(benchmark::State& state) {
  Collection& c = Shared();
  for (auto _ : state) {
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
}

}  // namespace

BENCHMARK(BM_ReadPlain1000Sets)->Unit(benchmark::kMillisecond)->UseRealTime();
// Arrangements, Styles, Programs.
BENCHMARK(BM_SubsetOf1000Sets)->Arg(kArrangement)->Arg(kStyle)->Arg(kProgram)->Unit(benchmark::kMillisecond)->UseRealTime();
