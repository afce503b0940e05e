// Reading and writing a maximal Set through the editor, side by side with
// plain file calls on the same bytes.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "maximal_set.h"
#include "set_builder.h"
#include "sets/set_files.h"
#include "storage/tables.h"

namespace fs = std::filesystem;
using namespace tolvane;

namespace {

class QuietUi : public UserInterface, public DocumentView {
 public:
  MsgResult ShowMessage(const MessageRequest&) override { return MsgResult::Cancel; }
  FileDialogResult ChooseFile(const FileDialogRequest&) override { return {}; }
  void SetBusy(bool) override {}
  void ShowProgress(const std::string&, double, double) override {}
  void AdvanceProgress(double) override {}
  void HideProgress() override {}
  void PauseWithEvents(double) override {}
  int SelectArrangement(int, int, const std::string&) override { return -1; }
  int SelectStyle(int, int, const std::string&) override { return -1; }
  int SelectProgram(int, int, const std::string&) override { return -1; }
  void OpenDocumentWindow(int) override {}
  void SetCaption(int, const std::string&) override {}
  void SetUndoAvailable(int, bool) override {}
  void RefreshKind(int, int) override {}
};

struct Fixture {
  Fixture() {
    folder = (fs::temp_directory_path() / "tolvane-bench").string();
    fs::create_directories(folder + "/program/I3EMPTY");
    for (int k = 0; k < kSetFileKinds; ++k)
      fs::copy_file(std::string(TOLVANE_DATA_DIR) + "/I3EMPTY/I3EMPTY" + KindExtension(k),
                    folder + "/program/I3EMPTY/I3EMPTY" + KindExtension(k), fs::copy_options::overwrite_existing);
    test::Rng rng(2024);
    test::WriteSetFiles(folder, "MAXSET", test::MaximalSet(rng));
    ::setenv("TEMP", folder.c_str(), 1);
    BuildTables(ws, folder + "/program");
  }
  ~Fixture() { fs::remove_all(folder); }
  std::string folder;
  QuietUi ui;
  Workspace ws{ui, ui};
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_ReadSet(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    const int d = OpenSet(f.ws, OpenMode::Open, f.folder + "/MAXSET");
    benchmark::DoNotOptimize(f.ws.Stores(d).styles.sizes[0]);
    UnloadDocument(f.ws, d);
  }
}

void BM_ReadSetPlain(benchmark::State& state) {
  Fixture& f = Shared();
  for (auto _ : state) {
    for (int k = 0; k < kSetFileKinds; ++k) {
      const std::string path = f.folder + "/MAXSET" + KindExtension(k);
      std::ifstream in(path, std::ios::binary);
      Bytes bytes(static_cast<std::size_t>(fs::file_size(path)));
      in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      benchmark::DoNotOptimize(bytes.data());
    }
  }
}

void BM_WriteSet(benchmark::State& state) {
  Fixture& f = Shared();
  const int d = OpenSet(f.ws, OpenMode::Open, f.folder + "/MAXSET");
  for (auto _ : state) benchmark::DoNotOptimize(SaveSet(f.ws, d, f.folder + "/OUT", true));
  UnloadDocument(f.ws, d);
}

void BM_WriteSetPlain(benchmark::State& state) {
  Fixture& f = Shared();
  std::vector<Bytes> files;
  for (int k = 0; k < kSetFileKinds; ++k) files.push_back(test::ReadFileBytes(f.folder + "/MAXSET" + KindExtension(k)));
  for (auto _ : state) {
    for (int k = 0; k < kSetFileKinds; ++k) {
      std::ofstream out(f.folder + "/PLAIN" + KindExtension(k), std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(files[static_cast<std::size_t>(k)].data()),
                static_cast<std::streamsize>(files[static_cast<std::size_t>(k)].size()));
    }
  }
}

}  // namespace

BENCHMARK(BM_ReadSet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadSetPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteSet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteSetPlain)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
