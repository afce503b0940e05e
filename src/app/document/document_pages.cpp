// The pages of a document window's tab control and their controls.

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>

#include <QVBoxLayout>

#include <algorithm>

#include "document/bank_grid.h"
#include "document/document_window.h"
#include "document/sequence_list.h"
#include "document/grid_cells.h"
#include "document/grid_layout.h"
#include "ui/look.h"

namespace tolvane {

namespace {

QHBoxLayout* BankRow(QLabel* label, QComboBox* list) {
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(list);
  row->addStretch();
  list->setMinimumWidth(64);
  return row;
}

// Ten lines of the fixed-pitch font, every one of them whole.
void FitListHeight(QListWidget* list) {
  const int rows = 10;
  for (int i = list->count(); i < rows; ++i) list->addItem(QStringLiteral(" "));
  const int row = std::max(list->sizeHintForRow(0), list->fontMetrics().height());
  const int width = list->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('M')));
  const int frame = 2 * list->frameWidth();
  list->setFixedSize(width + frame, rows * row + frame + 2);
}

template <class Layout>
Layout* PageLayout(QWidget* page) {
  auto* layout = new Layout(page);
  layout->setContentsMargins(1, 6, 1, 3);
  return layout;
}

}  // namespace

QWidget* DocumentWindow::BuildArrangementPage() {
  auto* page = new QWidget;
  lblArrBnk = new QLabel(QStringLiteral("Bank"), page);
  cboArrBnk = new QComboBox(page);
  cboArrBnk->setObjectName(QStringLiteral("cboArrBnk"));
  cboArrBnk->setToolTip(QStringLiteral("Select Arrangement Bank here"));
  grdArr = new BankGrid(4, page);
  grdArr->setObjectName(QStringLiteral("grdArr"));
  chkTwin[0] = new QCheckBox(QStringLiteral("Twin View"), page);
  auto* layout = PageLayout<QVBoxLayout>(page);
  layout->addLayout(BankRow(lblArrBnk, cboArrBnk));
  layout->addWidget(grdArr);
  layout->addWidget(chkTwin[0]);
  layout->addStretch();
  return page;
}

QWidget* DocumentWindow::BuildStylePage() {
  auto* page = new QWidget;
  lblStyBnk = new QLabel(QStringLiteral("Bank"), page);
  cboStyBnk = new QComboBox(page);
  cboStyBnk->setObjectName(QStringLiteral("cboStyBnk"));
  cboStyBnk->setToolTip(QStringLiteral("Select Style Bank here"));
  grdSty = new BankGrid(4, page);
  grdSty->setObjectName(QStringLiteral("grdSty"));
  grdSty->SetCellSize(kStyleColumnWidth, kGridRowHeight);
  grdFreeS = new BankGrid(1, page);
  grdFreeS->setObjectName(QStringLiteral("grdFreeS"));
  grdFreeS->SetCellSize(kFreeEventColumnWidth, kGridRowHeight);
  grdFreeS->setSelectionMode(QAbstractItemView::NoSelection);
  grdFreeS->setFocusPolicy(Qt::NoFocus);
  lblFreeS = new QLabel(QString::fromStdString(kFreeEventsHeading), page);
  lblFreeS->setObjectName(QStringLiteral("lblFreeS"));
  lblFreeS->setFont(FixedPitchFont());
  // The heading ends over the free-event column, whatever the window's width.
  auto* grids = new QGridLayout;
  grids->setHorizontalSpacing(TwipsToPixels(60));
  grids->setVerticalSpacing(2);
  grids->addWidget(lblFreeS, 0, 0, 1, 2, Qt::AlignRight);
  grids->addWidget(grdSty, 1, 0, Qt::AlignTop);
  grids->addWidget(grdFreeS, 1, 1, Qt::AlignTop);
  grids->setColumnStretch(2, 1);
  auto* layout = PageLayout<QVBoxLayout>(page);
  layout->addLayout(BankRow(lblStyBnk, cboStyBnk));
  layout->addLayout(grids);
  layout->addStretch();
  return page;
}

QWidget* DocumentWindow::BuildProgramPage() {
  auto* page = new QWidget;
  lblPrgBnk = new QLabel(QStringLiteral("Bank"), page);
  cboPrgBnk = new QComboBox(page);
  cboPrgBnk->setObjectName(QStringLiteral("cboPrgBnk"));
  cboPrgBnk->setToolTip(QStringLiteral("Select Program Bank here"));
  grdPrg = new BankGrid(4, page);
  grdPrg->setObjectName(QStringLiteral("grdPrg"));
  chkTwin[2] = new QCheckBox(QStringLiteral("Twin View"), page);
  auto* layout = PageLayout<QVBoxLayout>(page);
  layout->addLayout(BankRow(lblPrgBnk, cboPrgBnk));
  layout->addWidget(grdPrg);
  layout->addWidget(chkTwin[2]);
  layout->addStretch();
  return page;
}

QWidget* DocumentWindow::BuildSequencePage(bool songs) {
  auto* page = new QWidget;
  auto* frame = new QGroupBox(songs ? QStringLiteral("Songs List") : QStringLiteral("Backing Sequences List"), page);
  auto* list = new SequenceList(frame);
  list->setFont(FixedPitchFont());
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  FitListHeight(list);
  auto* events = new QLabel(QStringLiteral("Events"), frame);
  // "Events" stands over the size column at the list's right edge.
  auto* frameLayout = new QGridLayout(frame);
  frameLayout->setVerticalSpacing(2);
  frameLayout->addWidget(events, 0, 0, Qt::AlignRight);
  frameLayout->addWidget(list, 1, 0);
  frame->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

  auto* counts = new QGroupBox(QStringLiteral("Events count"), page);
  counts->setObjectName(QStringLiteral("fraEvents"));
  auto* countLayout = new QVBoxLayout(counts);
  static const char* const kDesignCaptions[] = {"Bsq", "Sng", "Pat", "Total", "Free"};
  // Backing Sequences use labels 0 to 4 from the top; Songs labels 9 down to 5.
  for (int row = 0; row < 5; ++row) {
    const int index = songs ? 9 - row : row;
    auto* label = new QLabel(QString::fromLatin1(kDesignCaptions[row]), counts);
    label->setObjectName(QStringLiteral("lblEvCnt%1").arg(index));
    label->setMinimumWidth(150);
    lblEvCnt[static_cast<std::size_t>(index)] = label;
    if (row == 3) {
      auto* line = new QFrame(counts);
      line->setObjectName(QStringLiteral("linEvCnt"));
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Sunken);
      countLayout->addWidget(line);
    }
    countLayout->addWidget(label);
  }
  countLayout->addStretch();

  auto* layout = PageLayout<QHBoxLayout>(page);
  layout->addWidget(frame, 0, Qt::AlignTop);
  layout->addWidget(counts, 0, Qt::AlignTop);
  layout->addStretch();
  fraEvents[songs ? 1 : 0] = counts;
  if (songs) {
    fraSngList = frame;
    lstSng = list;
    lblSngEvents = events;
    frame->setObjectName(QStringLiteral("fraSngList"));
    list->setObjectName(QStringLiteral("lstSng"));
    events->setObjectName(QStringLiteral("lblSngEvents"));
  } else {
    fraBsqList = frame;
    lstBsq = list;
    lblBsqEvents = events;
    frame->setObjectName(QStringLiteral("fraBsqList"));
    list->setObjectName(QStringLiteral("lstBsq"));
    events->setObjectName(QStringLiteral("lblBsqEvents"));
  }
  return page;
}

}  // namespace tolvane
