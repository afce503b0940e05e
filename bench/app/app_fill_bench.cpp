// What filling the grids and lists of a document window costs, with the
// called-item highlighting on (argument 1) and off (argument 0), on the DEMO
// Set's window for opening and on a maximal Set's window for the fills. The
// pauses that let the window repaint before a fill do not wait: the scripted
// user interface only runs pending events. The events a fill leaves pending
// (the window's repaint, Qt's work) run after it, outside the timing, so a
// figure is the fill's own work: texts, colours, caller scans, cells, sizing.
//
// Each fill's baseline ("...Plain") fills the same grid with the same count
// of cells, or the same list with its ten lines, with one fixed text and
// colour, its pending events run outside the timing as well.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidgetItem>
#include <QMdiSubWindow>

#include <benchmark/benchmark.h>

#include <cstdio>

#include "app_harness.h"
#include "document/bank_grid.h"
#include "document/document_window.h"
#include "document/document_windows.h"
#include "document/sequence_list.h"
#include "maximal_set_files.h"
#include "plain_io.h"
#include "sets/set_files.h"
#include "sets/workspace.h"
#include "ui/look.h"

namespace {

using tolvane::BankGrid;
using tolvane::DocumentWindow;
using tolvane::SequenceList;

// One editor for the whole run, with the DEMO Set open and the maximal Set in
// a second window.
tolvane::test::AppHarness* g_editor = nullptr;
const tolvane::bench::MaximalSetFiles* g_maximal = nullptr;
int g_maximalDocument = 0;

tolvane::test::AppHarness& Editor(const benchmark::State& state) {
  g_editor->Ws().prefs.highCall = static_cast<std::int16_t>(state.range(0));
  return *g_editor;
}

void CloseWindow(tolvane::test::AppHarness& e, int d) {
  if (DocumentWindow* w = e.App().Documents().Window(d)) w->SubWindow()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_OpenDemoSet(benchmark::State& state) {
  tolvane::test::AppHarness& e = Editor(state);
  e.Ws().prefs.modeId = 0;
  for (auto _ : state) {
    const int d = tolvane::OpenSet(e.Ws(), tolvane::OpenMode::Open, e.DemoSet());
    state.PauseTiming();
    CloseWindow(e, d);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDemoSet)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// The maximal Set read, checked and shown in its window on the Arrangements tab.
void BM_OpenMaximalSetWindow(benchmark::State& state) {
  tolvane::test::AppHarness& e = Editor(state);
  e.Ws().prefs.modeId = 0;
  for (auto _ : state) {
    const int d = tolvane::OpenSet(e.Ws(), tolvane::OpenMode::Open, g_maximal->Set());
    state.PauseTiming();
    CloseWindow(e, d);
    state.ResumeTiming();
  }
  state.SetLabel("vs BM_ReadMaximalSetPlain");
}
BENCHMARK(BM_OpenMaximalSetWindow)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReadMaximalSetPlain(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(tolvane::bench::ReadSetFilesPlain(g_maximal->Set()));
}
BENCHMARK(BM_ReadMaximalSetPlain)->Unit(benchmark::kMillisecond)->UseRealTime();

struct Fill {
  const char* name;
  int tab;
  void (DocumentWindow::*fill)();
  QComboBox* DocumentWindow::*banks;  // nullptr for the lists
  int bank;
  bool twinView;  // on bank A: 128 cells, each a search of the whole Set when highlighting
  BankGrid* DocumentWindow::*grid;
  SequenceList* DocumentWindow::*list;
};

const Fill kFills[] = {
    {"BM_FillArrangementGrid", tolvane::kTabArrangements, &DocumentWindow::FillArrangementGrid,
     &DocumentWindow::cboArrBnk, 0, false, &DocumentWindow::grdArr, nullptr},
    {"BM_FillStyleGrid", tolvane::kTabStyles, &DocumentWindow::FillStyleGrid, &DocumentWindow::cboStyBnk, 1, false,
     &DocumentWindow::grdSty, nullptr},
    {"BM_FillProgramGridUserBank", tolvane::kTabPrograms, &DocumentWindow::FillProgramGrid,
     &DocumentWindow::cboPrgBnk, 3, false, &DocumentWindow::grdPrg, nullptr},
    {"BM_FillProgramGridTwinView", tolvane::kTabPrograms, &DocumentWindow::FillProgramGrid,
     &DocumentWindow::cboPrgBnk, 0, true, &DocumentWindow::grdPrg, nullptr},
    {"BM_FillBackingSequenceList", tolvane::kTabBackingSequences, &DocumentWindow::FillBackingSequenceList, nullptr,
     0, false, nullptr, &DocumentWindow::lstBsq},
    {"BM_FillSongList", tolvane::kTabSongs, &DocumentWindow::FillSongList, nullptr, 0, false, nullptr,
     &DocumentWindow::lstSng},
};

// The maximal Set's window on the fill's tab, bank and Twin View, filled once.
DocumentWindow& Prepare(const Fill& f) {
  DocumentWindow& doc = *g_editor->App().Documents().Window(g_maximalDocument);
  doc.SelectTab(f.tab);
  if (f.twinView) doc.chkTwin[2]->setChecked(true);
  if (f.banks) (doc.*f.banks)->setCurrentIndex(f.bank);
  (doc.*f.fill)();
  return doc;
}

void Restore(DocumentWindow& doc, const Fill& f) {
  if (f.twinView) doc.chkTwin[2]->setChecked(false);
}

// A fixed count: the untimed repaint after each fill would make a count
// chosen by the timed part (tiny for the plain fills) run for minutes.
constexpr int kFillIterations = 300;

void RunPendingEventsUntimed(benchmark::State& state) {
  state.PauseTiming();
  QCoreApplication::processEvents();
  state.ResumeTiming();
}

void RunFill(benchmark::State& state, const Fill& f) {
  Editor(state);
  DocumentWindow& doc = Prepare(f);
  for (auto _ : state) {
    (doc.*f.fill)();
    RunPendingEventsUntimed(state);
  }
  Restore(doc, f);
  state.SetLabel(std::string("vs ") + f.name + "Plain");
}

void RunPlainFill(benchmark::State& state, const Fill& f) {
  DocumentWindow& doc = Prepare(f);
  const QString text = QStringLiteral("PLAIN CELL");
  const QColor colour(Qt::black);
  const QColor background(Qt::white);
  for (auto _ : state) {
    if (f.grid) {
      BankGrid* grid = doc.*f.grid;
      const int rows = grid->rowCount();
      grid->BeginFill(rows, background);
      for (int r = 0; r < rows; ++r)
        for (int c = 0; c < grid->columnCount(); ++c) grid->SetCell(r, c, text, colour);
      grid->EndFill();
    } else {
      SequenceList* list = doc.*f.list;
      for (int i = 0; i < list->count(); ++i) list->item(i)->setText(text);
    }
    RunPendingEventsUntimed(state);
  }
  Restore(doc, f);
}

// The offscreen platform says for every window that it cannot raise it or
// pass on its size hints; the figures are easier to read without that.
QtMessageHandler g_qtMessages = nullptr;
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.startsWith(QStringLiteral("This plugin does not support"))) return;
  if (g_qtMessages)
    g_qtMessages(type, context, text);
  else
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  g_qtMessages = qInstallMessageHandler(QuietOffscreenWarnings);
  QApplication::setQuitOnLastWindowClosed(false);
  tolvane::InstallFontSubstitutes();
  const tolvane::bench::MaximalSetFiles maximal("tolvane-app-bench");
  g_maximal = &maximal;
  tolvane::test::AppHarness editor;
  if (!editor.Start()) return 1;
  g_editor = &editor;
  g_maximalDocument = tolvane::OpenSet(editor.Ws(), tolvane::OpenMode::Open, maximal.Set());
  if (g_maximalDocument == 0) return 1;
  for (const Fill& f : kFills) {
    benchmark::RegisterBenchmark(f.name, [&f](benchmark::State& state) { RunFill(state, f); })
        ->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(kFillIterations);
    benchmark::RegisterBenchmark((std::string(f.name) + "Plain").c_str(),
                                 [&f](benchmark::State& state) { RunPlainFill(state, f); })
        ->Unit(benchmark::kMicrosecond)->UseRealTime()->Iterations(kFillIterations);
  }
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
