// What filling the grids and lists of a document window costs, with the
// called-item highlighting on (argument 1) and off (argument 0). The pauses
// that let the window repaint before a fill are left out: the scripted user
// interface only runs pending events.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMdiSubWindow>

#include <benchmark/benchmark.h>

#include "app_harness.h"
#include "document/document_window.h"
#include "document/document_windows.h"
#include "sets/set_files.h"
#include "sets/workspace.h"
#include "ui/look.h"

namespace {

using tolvane::DocumentWindow;

// One editor on the DEMO Set for the whole run.
tolvane::test::AppHarness* g_editor = nullptr;
tolvane::test::AppHarness& Editor(const benchmark::State& state) {
  g_editor->Ws().prefs.highCall = static_cast<std::int16_t>(state.range(0));
  return *g_editor;
}

void BM_OpenDemoSet(benchmark::State& state) {
  tolvane::test::AppHarness& e = Editor(state);
  e.Ws().prefs.modeId = 0;
  for (auto _ : state) {
    const int d = tolvane::OpenSet(e.Ws(), tolvane::OpenMode::Open, e.DemoSet());
    state.PauseTiming();
    if (DocumentWindow* w = e.App().Documents().Window(d)) w->SubWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDemoSet)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

struct Fill {
  const char* name;
  int tab;
  void (DocumentWindow::*fill)();
  bool twinView;  // on bank A: 128 cells, each a search of the whole Set when highlighting
};

void RunFill(benchmark::State& state, const Fill& f) {
  DocumentWindow& doc = *Editor(state).App().Documents().Window(1);
  doc.SelectTab(f.tab);
  if (f.twinView) {
    doc.chkTwin[2]->setChecked(true);
    doc.cboPrgBnk->setCurrentIndex(0);
  }
  for (auto _ : state) (doc.*f.fill)();
  if (f.twinView) {
    doc.chkTwin[2]->setChecked(false);
    doc.cboPrgBnk->setCurrentIndex(3);
  }
}

const Fill kFills[] = {
    {"BM_FillArrangementGrid", tolvane::kTabArrangements, &DocumentWindow::FillArrangementGrid, false},
    {"BM_FillStyleGrid", tolvane::kTabStyles, &DocumentWindow::FillStyleGrid, false},
    {"BM_FillProgramGridUserBank", tolvane::kTabPrograms, &DocumentWindow::FillProgramGrid, false},
    {"BM_FillProgramGridTwinView", tolvane::kTabPrograms, &DocumentWindow::FillProgramGrid, true},
    {"BM_FillBackingSequenceList", tolvane::kTabBackingSequences, &DocumentWindow::FillBackingSequenceList, false},
    {"BM_FillSongList", tolvane::kTabSongs, &DocumentWindow::FillSongList, false},
};

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tolvane::InstallFontSubstitutes();
  tolvane::test::AppHarness editor;
  if (!editor.Start()) return 1;
  g_editor = &editor;
  for (const Fill& f : kFills)
    benchmark::RegisterBenchmark(f.name, [&f](benchmark::State& state) { RunFill(state, f); })
        ->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
