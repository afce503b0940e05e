// Opening and saving the maximal Set inside a 1.44 MB disk image through
// mtools, each beside the same Set opened or saved in a folder in this run.

#include <benchmark/benchmark.h>

#include "bench_workspace.h"
#include "mtools_images.h"
#include "sets/image_sets.h"
#include "storage/tables.h"

using namespace tolvane;
using tolvane::bench::SharedWorkspace;

namespace {

// The maximal Set written into a new image beside its folder, once a run.
struct ImageOfMaximalSet {
  MtoolsImages images;
  std::string image;
  bool ready = false;

  explicit ImageOfMaximalSet(bench::BenchWorkspace& b) : image(b.files.Folder() + "/DISK.IMG") {
    b.ws.diskImages = &images;
    std::vector<std::pair<std::string, Bytes>> files;
    for (int k = 0; k < kSetFileKinds; ++k) {
      Bytes bytes;
      ReadWholeFile(b.files.Set() + KindExtension(k), bytes);
      files.emplace_back("MAXSET" + KindExtension(k), bytes);
    }
    std::size_t failedAt = 0;
    ready = MakeDiskImage(b.ws, image, 1440, "BENCH") &&
            ReplaceFilesInImage(b.ws, image, files, failedAt) == ImageFault::None;
  }
};

ImageOfMaximalSet& SharedImage() {
  static ImageOfMaximalSet shared(SharedWorkspace());
  return shared;
}

void BM_ReadSetInImage(benchmark::State& state) {
  bench::BenchWorkspace& b = SharedWorkspace();
  ImageOfMaximalSet& i = SharedImage();
  if (!i.ready) state.SkipWithError("the image could not be made");
  for (auto _ : state) {
    const int d = OpenSet(b.ws, OpenMode::Open, ImageSetPath(i.image, "MAXSET"));
    if (d == 0) state.SkipWithError("the Set did not open");
    benchmark::DoNotOptimize(b.ws.Stores(d).styles.sizes[0]);
    UnloadDocument(b.ws, d);
  }
  state.SetLabel("vs BM_ReadSet");
}

void BM_WriteSetInImage(benchmark::State& state) {
  bench::BenchWorkspace& b = SharedWorkspace();
  ImageOfMaximalSet& i = SharedImage();
  if (!i.ready) state.SkipWithError("the image could not be made");
  const int d = OpenSet(b.ws, OpenMode::Open, ImageSetPath(i.image, "MAXSET"));
  for (auto _ : state)
    if (!SaveSet(b.ws, d, ImageSetPath(i.image, "MAXSET"), true)) state.SkipWithError("the Set was not saved");
  UnloadDocument(b.ws, d);
  state.SetLabel("vs BM_WriteSet");
}

}  // namespace

BENCHMARK(BM_ReadSetInImage)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_WriteSetInImage)->Unit(benchmark::kMicrosecond)->UseRealTime();
