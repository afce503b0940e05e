// The Library window's list over 1000 Sets of 64 named items each (64,000
// rows): the first keystroke in Find, "a" (the filter, the model's reset and sort, the
// shown table's repaint) and the first list after a scan (every row sorted
// by kind). Baseline `BM_LibraryFilterPlain`: the core's filter alone over
// the same items, so the ratio is the window's share of a keystroke.

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "library/library_filter.h"
#include "library/library_model.h"

namespace {

const tolvane::Library& Collection() {
  static const auto library = [] {
    auto lib = std::make_unique<tolvane::Library>();
    std::mt19937 random(7);
    const char letters[] = "abcdefghijklmnopqrstuvwxyz ";
    for (std::uint32_t s = 0; s < 1000; ++s) {
      tolvane::LibrarySet set;
      set.path = "/music/disk" + std::to_string(s / 10) + "/SET" + std::to_string(s);
      set.shown = "SET" + std::to_string(s);
      set.readable = true;
      set.firstItem = static_cast<std::uint32_t>(lib->items.size());
      set.itemCount = 64;
      for (int i = 0; i < 64; ++i) {
        tolvane::LibraryItem item;
        item.kind = i % 5;
        item.number = i;
        item.label = "A" + std::to_string(11 + i);
        for (int c = 0; c < 10; ++c) item.name += letters[random() % 27];
        item.folded = item.name;
        item.set = s;
        lib->items.push_back(item);
      }
      lib->sets.push_back(set);
    }
    return lib;
  }();
  return *library;
}

struct ShownList {
  tolvane::LibraryModel model;
  QTableView view;
  ShownList() {
    view.setModel(&model);
    view.setSortingEnabled(true);
    view.sortByColumn(tolvane::LibraryModel::kKindColumn, Qt::AscendingOrder);
    view.resize(760, 520);
    view.show();
    QApplication::processEvents();
  }
};

void BM_LibraryFilterPlain(benchmark::State& state) {
  tolvane::LibraryFilter filter;
  filter.text = "a";  // the first key: the widest list after one
  for (auto _ : state) benchmark::DoNotOptimize(tolvane::FilterLibrary(Collection(), filter));
}
BENCHMARK(BM_LibraryFilterPlain)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LibraryFilterKeystroke(benchmark::State& state) {
  ShownList list;
  tolvane::LibraryFilter filter;
  filter.text = "a";  // the first key: the widest list after one
  for (auto _ : state) {
    list.model.ShowRows(&Collection(), tolvane::FilterLibrary(Collection(), filter));
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LibraryFilterKeystroke)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LibraryFirstList(benchmark::State& state) {
  ShownList list;
  for (auto _ : state) {
    list.model.ShowRows(&Collection(), tolvane::FilterLibrary(Collection(), {}));
    QApplication::processEvents();
  }
}
BENCHMARK(BM_LibraryFirstList)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
