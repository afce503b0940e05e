// The fills of a document window's grids and lists, the selection kept in
// each grid's tag, and the window size that follows each fill.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTabWidget>

#include "arrangements/arrangement_data.h"
#include "document/bank_grid.h"
#include "document/document_window.h"
#include "document/sequence_list.h"
#include "shell/window_arrangement.h"
#include "document/grid_cells.h"
#include "document/grid_layout.h"
#include "programs/program_numbers.h"
#include "storage/tables.h"
#include "sets/workspace.h"
#include "styles/style_accessors.h"
#include "ui/cp1252.h"
#include "ui/look.h"
#include "ui/progress_window.h"

namespace tolvane {

namespace {

constexpr int kNoBank = 65535;

// Fills every cell of a grid from the core's cell rule; `advance` runs after each cell.
template <class ItemAt, class CellOf, class Advance>
void FillCells(BankGrid* grid, int rows, const QPalette& palette, ItemAt&& itemAt, CellOf&& cellOf,
               Advance&& advance) {
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < grid->columnCount(); ++c) {
      const GridCell cell = cellOf(itemAt(r, c));
      grid->SetCell(r, c, FromCp1252(cell.text), ToQColor(cell.colour, palette));
      advance();
    }
  }
}

// The list keeps its ten lines; only their texts change.
void SetLines(QListWidget* list, const std::array<QString, 10>& lines) {
  if (list->count() != static_cast<int>(lines.size())) {
    list->clear();
    for (const QString& line : lines) list->addItem(line);
  } else {
    for (int i = 0; i < list->count(); ++i) list->item(i)->setText(lines[static_cast<std::size_t>(i)]);
  }
  list->setCurrentRow(0);
}

}  // namespace

void DocumentWindow::FillArrangementGrid() {
  if (!Alive()) return;
  BusyPointer busy(ui_);
  QPointer<DocumentWindow> self(this);
  const int bank = std::max(0, cboArrBnk->currentIndex());
  const GridShape shape = ArrangementGridShape(bank, chkTwin[0]->isChecked());
  chkTwin[0]->setVisible(shape.twinViewShown);
  SizeDocumentWindow(shape.rows, kGridColumnWidth, kGridRowHeight, grdArr);
  ui_.PauseWithEvents(0.1);
  if (!self || !Alive()) return;

  grdArr->BeginFill(shape.rows, ToQColor(kArrangementGridBackground, palette()));
  FillCells(
      grdArr, shape.rows, palette(), [&](int r, int c) { return ArrangementAtCell(bank, r, c); },
      [&](int n) { return ArrangementCell(ws_, d_, n); }, [] {});
  grdArr->EndFill();
  ShowArrangementInDocument(ws_.Slot(d_).gridTags[0]);
}

void DocumentWindow::FillStyleGrid() {
  if (!Alive()) return;
  BusyPointer busy(ui_);
  const int bank = std::max(0, cboStyBnk->currentIndex());
  const int blocks = ws_.Stores(d_).styles.blockCount;
  const GridShape shape = StyleGridShape(bank, blocks);
  // Blocks, and so free events, exist only in the user bank.
  const bool userBank = bank == 1;
  const int freeRows = userBank ? shape.rows : 0;
  grdFreeS->setVisible(userBank);
  lblFreeS->setVisible(userBank);
  grdFreeS->SetCellSize(kFreeEventColumnWidth, kGridRowHeight);
  grdFreeS->setFixedSize(grdFreeS->SizeForRows(freeRows));
  SizeDocumentWindow(shape.rows, kStyleColumnWidth, kGridRowHeight, grdSty, userBank ? kFreeEventColumnWidth : 0);

  grdSty->BeginFill(shape.rows, ToQColor(kStyleGridBackground, palette()));
  FillCells(
      grdSty, shape.rows, palette(), [&](int r, int c) { return StyleAtCell(bank, r, c); },
      [&](int n) { return StyleCell(ws_, d_, n); }, [] {});
  grdSty->EndFill();

  grdFreeS->BeginFill(freeRows, ToQColor(kStyleGridBackground, palette()));
  for (int r = 0; r < freeRows; ++r) {
    grdFreeS->SetCell(r, 0, QString::fromStdString(FreeEventsCell(ws_, d_, r)), ToQColor(kPlainText, palette()));
    grdFreeS->item(r, 0)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  grdFreeS->EndFill();
  ShowStyleInDocument(ws_.Slot(d_).gridTags[1]);
}

void DocumentWindow::FillProgramGrid() {
  if (!Alive()) return;
  BusyPointer busy(ui_);
  const int bank = std::max(0, cboPrgBnk->currentIndex());
  const GridShape shape = ProgramGridShape(bank, chkTwin[2]->isChecked());
  chkTwin[2]->setVisible(shape.twinViewShown);
  SizeDocumentWindow(shape.rows, kGridColumnWidth, kGridRowHeight, grdPrg);

  // Finding the callers of every cell scans the whole Set each time: the
  // progress window shows why the fill takes long and how to avoid it.
  const bool highlight = ws_.prefs.highCall == 1;
  ProgressWindow* progress = highlight ? ProgramCallsProgress() : nullptr;
  if (progress)
    progress->Start(QString::fromStdString(kProgramCallsCaption), 0, shape.rows * grdPrg->columnCount(),
                    QString::fromStdString(kProgramCallsNote));
  // The program grid keeps the platform's window colour.
  grdPrg->BeginFill(shape.rows, QApplication::palette().color(QPalette::Base));
  FillCells(
      grdPrg, shape.rows, palette(), [&](int r, int c) { return ProgramAtCell(bank, r, c); },
      [&](int n) { return ProgramCell(ws_, d_, n); },
      [&] {
        if (progress) progress->Advance(1);
      });
  grdPrg->EndFill();
  if (progress) progress->Finish();
  ShowProgramInDocument(ws_.Slot(d_).gridTags[2]);
}

void DocumentWindow::FillBackingSequenceList() {
  if (!Alive()) return;
  QPointer<DocumentWindow> self(this);
  ui_.PauseWithEvents(0.1);
  if (!self || !Alive()) return;
  SizeDocumentWindow(kSequenceListRows, kGridColumnWidth, kGridRowHeight, nullptr);
  std::array<QString, 10> lines;
  for (int i = 0; i < 10; ++i) lines[static_cast<std::size_t>(i)] = FromCp1252(BackingSequenceLine(ws_, d_, i));
  SetLines(lstBsq, lines);
  const auto figures = EventFigureTexts(ws_, d_);
  for (int k = 0; k < 5; ++k)
    lblEvCnt[static_cast<std::size_t>(k)]->setText(QString::fromStdString(figures[static_cast<std::size_t>(k)]));
  if (QMdiSubWindow* sub = SubWindow()) sub->show();
  EditMenuForItem();
  menus_.ePasteIStyle->setEnabled(false);
}

void DocumentWindow::FillSongList() {
  if (!Alive()) return;
  QPointer<DocumentWindow> self(this);
  ui_.PauseWithEvents(0.1);
  if (!self || !Alive()) return;
  SizeDocumentWindow(kSequenceListRows, kGridColumnWidth, kGridRowHeight, nullptr);
  std::array<QString, 10> lines;
  for (int i = 0; i < 10; ++i) lines[static_cast<std::size_t>(i)] = FromCp1252(SongLine(ws_, d_, i));
  SetLines(lstSng, lines);
  // The song tab's labels run from 9 (BackSeqs) down to 5 (Free).
  const auto figures = EventFigureTexts(ws_, d_);
  for (int k = 0; k < 5; ++k)
    lblEvCnt[static_cast<std::size_t>(9 - k)]->setText(QString::fromStdString(figures[static_cast<std::size_t>(k)]));
  if (QMdiSubWindow* sub = SubWindow()) sub->show();
  EditMenuForItem();
  menus_.ePasteIStyle->setEnabled(false);
}

void DocumentWindow::SizeDocumentWindow(int rows, int columnWidth, int rowHeight, BankGrid* grid,
                                        int sideColumnWidth) {
  const DocumentWindowSize s = tolvane::SizeDocumentWindow(rows, columnWidth, rowHeight, sideColumnWidth);
  if (grid) {
    grid->SetCellSize(columnWidth, rowHeight);
    // The style grid keeps step with its free-event column beside it: it
    // never scrolls (it has at most eight rows).
    grid->SetRows(rows, grid != grdSty);
  }
  ApplyWindowSize(QSize(TwipsToPixels(s.windowWidth), TwipsToPixels(s.windowHeight)));
}

void DocumentWindow::ApplyWindowSize(QSize inside) {
  FitPagesTo(tabMode->currentIndex());
  // The shown page's layout first, with the sizes its grid has just been given.
  if (QLayout* page = tabMode->currentWidget()->layout()) {
    for (QLayout* nested : page->findChildren<QLayout*>()) nested->invalidate();
    page->invalidate();
    page->activate();
  }
  // The tab control's size is cached in the window's layout until it is told.
  tabMode->updateGeometry();
  if (layout()) {
    layout()->invalidate();
    layout()->activate();
  }
  // The twips layout is the wish; the controls' own needs are the floor.
  body_->updateGeometry();
  inside = inside.expandedTo(body_->minimumSizeHint());
  QMdiSubWindow* sub = SubWindow();
  if (!sub) {
    resize(inside);
    return;
  }
  const QMargins margins = sub->contentsMargins();
  const QSize frame(margins.left() + margins.right(), margins.top() + margins.bottom());
  sub->setMinimumSize(minimumSizeHint() + frame);
  if (sub->isMaximized() || sub->isMinimized()) return;
  // A window that the user, Tile or Cascade has sized keeps its size: its
  // grid scrolls instead.
  if (sub->property(kArrangedProperty).toBool() || (sizeGiven_.isValid() && sub->size() != sizeGiven_)) return;
  sub->resize(RoomFor(*sub, inside + frame));
  sizeGiven_ = sub->size();
}

void DocumentWindow::ShowInGrid(int kind, int number, int bankOfNumber, const CellPosition& cell, QComboBox* banks,
                                BankGrid* grid, bool editable, void (DocumentWindow::*editMenu)()) {
  if (cell.Valid()) {
    ws_.Slot(d_).gridTags[static_cast<std::size_t>(kind)] = static_cast<std::int16_t>(number);
    grid->SelectCellQuietly(cell.row, cell.column);
  } else if (bankOfNumber != kNoBank && bankOfNumber != banks->currentIndex() && bankOfNumber < banks->count()) {
    ws_.Slot(d_).gridTags[static_cast<std::size_t>(kind)] = static_cast<std::int16_t>(number);
    banks->setCurrentIndex(bankOfNumber);  // refills the grid, which shows the item
    return;
  }
  if (editable)
    (this->*editMenu)();
  else
    EditMenuDetailsOnly();
}

void DocumentWindow::ShowArrangementInDocument(int number) {
  if (!Alive()) return;
  ShowInGrid(kArrangement, number, SplitArrangementNumber(number).first,
             CellOfArrangement(cboArrBnk->currentIndex(), grdArr->rowCount(), number), cboArrBnk, grdArr,
             CheckArrangementNumber(number) >= 0, &DocumentWindow::EditMenuForItem);
}

void DocumentWindow::ShowStyleInDocument(int number) {
  if (!Alive()) return;
  ShowInGrid(kStyle, number, SplitStyleNumber(number).first,
             CellOfStyle(cboStyBnk->currentIndex(), grdSty->rowCount(), number), cboStyBnk, grdSty,
             UserIndexOfStyle(number) >= 0, &DocumentWindow::EditMenuForStyle);
}

void DocumentWindow::ShowProgramInDocument(int number) {
  if (!Alive()) return;
  ShowInGrid(kProgram, number, SplitProgramNumber(number).first,
             CellOfProgram(cboPrgBnk->currentIndex(), grdPrg->rowCount(), number), cboPrgBnk, grdPrg,
             UserIndexOfProgram(number) >= 0, &DocumentWindow::EditMenuForItem);
}

void DocumentWindow::RecolourShownGrid() {
  if (!Alive()) return;
  const QPalette& p = palette();
  switch (tabMode->currentIndex()) {
    case kTabArrangements: {
      const int bank = std::max(0, cboArrBnk->currentIndex());
      FillCells(
          grdArr, grdArr->rowCount(), p, [&](int r, int c) { return ArrangementAtCell(bank, r, c); },
          [&](int n) { return ArrangementCell(ws_, d_, n); }, [] {});
      break;
    }
    case kTabStyles: {
      const int bank = std::max(0, cboStyBnk->currentIndex());
      FillCells(
          grdSty, grdSty->rowCount(), p, [&](int r, int c) { return StyleAtCell(bank, r, c); },
          [&](int n) { return StyleCell(ws_, d_, n); }, [] {});
      break;
    }
    case kTabPrograms: {
      const int bank = std::max(0, cboPrgBnk->currentIndex());
      FillCells(
          grdPrg, grdPrg->rowCount(), p, [&](int r, int c) { return ProgramAtCell(bank, r, c); },
          [&](int n) { return ProgramCell(ws_, d_, n); }, [] {});
      break;
    }
    default: break;
  }
}

void DocumentWindow::CellChosen(int kind, int number, bool editable, void (DocumentWindow::*editMenu)()) {
  if (number >= 0) ws_.Slot(d_).gridTags[static_cast<std::size_t>(kind)] = static_cast<std::int16_t>(number);
  if (editable)
    (this->*editMenu)();
  else
    EditMenuDetailsOnly();
}

void DocumentWindow::ArrangementCellChosen(int row, int column) {
  if (!Alive()) return;
  const int number = ArrangementAtCell(cboArrBnk->currentIndex(), row, column);
  CellChosen(kArrangement, number, number >= 0, &DocumentWindow::EditMenuForItem);
}

void DocumentWindow::StyleCellChosen(int row, int column) {
  if (!Alive()) return;
  const int number = StyleAtCell(cboStyBnk->currentIndex(), row, column);
  CellChosen(kStyle, number, UserIndexOfStyle(number) >= 0, &DocumentWindow::EditMenuForStyle);
}

void DocumentWindow::ProgramCellChosen(int row, int column) {
  if (!Alive()) return;
  const int number = ProgramAtCell(cboPrgBnk->currentIndex(), row, column);
  CellChosen(kProgram, number, UserIndexOfProgram(number) >= 0, &DocumentWindow::EditMenuForItem);
}

}  // namespace tolvane

namespace tolvane {

void DocumentWindow::ShowItem(int kind, int number) {
  if (!Alive()) return;
  switch (kind) {
    case kArrangement: ShowArrangementInDocument(number); break;
    case kStyle: ShowStyleInDocument(number); break;
    case kProgram: ShowProgramInDocument(number); break;
    case kBackingSequence:
    case kSong: {
      QListWidget* list = kind == kBackingSequence ? lstBsq : lstSng;
      if (number >= 0 && number < list->count()) list->setCurrentRow(number);
      EditMenuForItem();
      menus_.ePasteIStyle->setEnabled(false);
      break;
    }
    default: break;
  }
}

void DocumentWindow::RefreshItem(int kind, int number) {
  if (!Alive()) return;
  const QPalette& p = palette();
  switch (kind) {
    case kArrangement: {
      const CellPosition at = CellOfArrangement(cboArrBnk->currentIndex(), grdArr->rowCount(), number);
      if (!at.Valid()) return;
      const GridCell cell = ArrangementCell(ws_, d_, number);
      grdArr->SetCell(at.row, at.column, FromCp1252(cell.text), ToQColor(cell.colour, p));
      break;
    }
    case kStyle: {
      const CellPosition at = CellOfStyle(cboStyBnk->currentIndex(), grdSty->rowCount(), number);
      if (!at.Valid()) return;
      const GridCell cell = StyleCell(ws_, d_, number);
      grdSty->SetCell(at.row, at.column, FromCp1252(cell.text), ToQColor(cell.colour, p));
      // The Block's free events change with every Style in it.
      if (at.row < grdFreeS->rowCount())
        grdFreeS->item(at.row, 0)->setText(QString::fromStdString(FreeEventsCell(ws_, d_, at.row)));
      break;
    }
    case kProgram: {
      const CellPosition at = CellOfProgram(cboPrgBnk->currentIndex(), grdPrg->rowCount(), number);
      if (!at.Valid()) return;
      const GridCell cell = ProgramCell(ws_, d_, number);
      grdPrg->SetCell(at.row, at.column, FromCp1252(cell.text), ToQColor(cell.colour, p));
      break;
    }
    case kBackingSequence:
    case kSong: {
      const bool songs = kind == kSong;
      QListWidget* list = songs ? lstSng : lstBsq;
      if (number < 0 || number >= list->count()) return;
      list->item(number)->setText(
          FromCp1252(songs ? SongLine(ws_, d_, number) : BackingSequenceLine(ws_, d_, number)));
      const auto figures = EventFigureTexts(ws_, d_);
      for (int k = 0; k < 5; ++k)
        lblEvCnt[static_cast<std::size_t>(songs ? 9 - k : k)]->setText(
            QString::fromStdString(figures[static_cast<std::size_t>(k)]));
      break;
    }
    default: break;
  }
}

}  // namespace tolvane
