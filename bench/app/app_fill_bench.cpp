// What filling the grids and lists of a document window costs, with the
// called-item highlighting on (argument 1) and off (argument 0). The pauses
// that let the window repaint before a fill are left out: the scripted user
// interface only runs pending events.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <benchmark/benchmark.h>

#include <memory>

#include "app_harness.h"
#include "document/document_window.h"
#include "document/document_windows.h"
#include "shell/main_window.h"
#include "storage/set_files.h"
#include "storage/workspace.h"
#include "ui/look.h"

namespace {

using tolvane::DocumentWindow;

// One editor on the DEMO Set for the whole run.
struct Editor {
  tolvane::test::AppHarness harness;
  DocumentWindow* doc = nullptr;

  Editor() {
    harness.Start();
    doc = harness.App().Documents().Window(1);
  }
  tolvane::Workspace& Ws() { return harness.Ws(); }
};

// Made on first use and gone before the QApplication is.
std::unique_ptr<Editor> g_editor;
Editor& TheEditor() {
  if (!g_editor) g_editor = std::make_unique<Editor>();
  return *g_editor;
}

void SetHighlight(const benchmark::State& state) {
  TheEditor().Ws().prefs.highCall = static_cast<std::int16_t>(state.range(0));
}

void BM_OpenDemoSet(benchmark::State& state) {
  Editor& e = TheEditor();
  SetHighlight(state);
  e.Ws().prefs.modeId = 0;
  const std::string demo = e.harness.folder.DemoSet();
  for (auto _ : state) {
    const int d = tolvane::OpenSet(e.Ws(), tolvane::OpenMode::Open, demo);
    state.PauseTiming();
    if (DocumentWindow* w = e.harness.App().Documents().Window(d)) w->SubWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDemoSet)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

template <class Fill>
void RunFill(benchmark::State& state, int tab, Fill fill) {
  Editor& e = TheEditor();
  SetHighlight(state);
  e.doc->SelectTab(tab);
  for (auto _ : state) fill(*e.doc);
}

void BM_FillArrangementGrid(benchmark::State& state) {
  RunFill(state, tolvane::kTabArrangements, [](DocumentWindow& d) { d.FillArrangementGrid(); });
}
BENCHMARK(BM_FillArrangementGrid)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_FillStyleGrid(benchmark::State& state) {
  RunFill(state, tolvane::kTabStyles, [](DocumentWindow& d) { d.FillStyleGrid(); });
}
BENCHMARK(BM_FillStyleGrid)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_FillProgramGridUserBank(benchmark::State& state) {
  RunFill(state, tolvane::kTabPrograms, [](DocumentWindow& d) { d.FillProgramGrid(); });
}
BENCHMARK(BM_FillProgramGridUserBank)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// Twin View on bank A: 128 cells, each a search of the whole Set when highlighting.
void BM_FillProgramGridTwinView(benchmark::State& state) {
  Editor& e = TheEditor();
  e.doc->SelectTab(tolvane::kTabPrograms);
  e.doc->chkTwin[2]->setChecked(true);
  e.doc->cboPrgBnk->setCurrentIndex(0);
  RunFill(state, tolvane::kTabPrograms, [](DocumentWindow& d) { d.FillProgramGrid(); });
  e.doc->chkTwin[2]->setChecked(false);
  e.doc->cboPrgBnk->setCurrentIndex(3);
}
BENCHMARK(BM_FillProgramGridTwinView)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_FillBackingSequenceList(benchmark::State& state) {
  RunFill(state, tolvane::kTabBackingSequences, [](DocumentWindow& d) { d.FillBackingSequenceList(); });
}
BENCHMARK(BM_FillBackingSequenceList)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_FillSongList(benchmark::State& state) {
  RunFill(state, tolvane::kTabSongs, [](DocumentWindow& d) { d.FillSongList(); });
}
BENCHMARK(BM_FillSongList)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tolvane::InstallFontSubstitutes();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  g_editor.reset();
  return 0;
}
