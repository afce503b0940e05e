// The time from start to the main window: the editor's start-up (the
// Application and its main window made, preferences read, tables built from
// the template Set, preset names read, the main window shown maximised, then
// the first OpenSet) until the events it left pending have run. Argument 0:
// no last Set, so the open dialog comes up (answered at once by a cancel);
// argument 1: "Open last Set at Start-up" on a maximal Set, shown in its
// window. The about box and the tip of the day, which wait for the user, are
// the harness's, which only log. QApplication exists already, as it does
// before the program's own start-up begins.
//
// Baseline: an empty QMainWindow made, shown maximised and its pending
// events run.

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

#include <benchmark/benchmark.h>

#include <memory>

#include "app_harness.h"
#include "maximal_set_files.h"

namespace {

void BM_StartToMainWindow(benchmark::State& state) {
  // Only the maximal Set's files are used: the editor has its own program folder.
  static const tolvane::bench::MaximalSetFiles maximal("tolvane-startup-bench");
  const bool lastSet = state.range(0) == 1;
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<tolvane::test::AppHarness>();
    editor->settings.values["Show Tips at Startup"] = "0";
    if (lastSet) {
      editor->settings.values["StartOld"] = "1";
      editor->settings.values["OldSetNam"] = maximal.Set();
    }
    state.ResumeTiming();
    const bool started = editor->Start(false);
    QCoreApplication::processEvents();
    state.PauseTiming();
    if (!started || (lastSet && !editor->App().Documents().Window(1))) {
      state.SkipWithError("the editor did not start as expected");
      break;
    }
    editor.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  state.SetLabel("vs BM_EmptyMainWindow");
}
BENCHMARK(BM_StartToMainWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EmptyMainWindow(benchmark::State& state) {
  for (auto _ : state) {
    auto window = std::make_unique<QMainWindow>();
    if (const QScreen* screen = window->screen()) window->setGeometry(screen->availableGeometry());
    window->showMaximized();
    QCoreApplication::processEvents();
    state.PauseTiming();
    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_EmptyMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
