#include "document/document_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "arrangements/arrangement_data.h"
#include "document/bank_grid.h"
#include "document/sequence_list.h"
#include "document/shell_commands.h"
#include "editing/kind_edits.h"
#include "programs/program_numbers.h"
#include "shell/shell_dialogs.h"
#include "sets/set_caption.h"
#include "sets/set_files.h"
#include "storage/tables.h"
#include "sets/workspace.h"
#include "styles/style_accessors.h"
#include "ui/cp1252.h"
#include "ui/progress_window.h"

namespace tolvane {

namespace {

constexpr int kNoBank = 65535;

void FillBankList(QComboBox* list, int kind) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (int b = 0; b < BankCount(kind); ++b)
    list->addItem(QString::fromStdString(BankLetter(kind, b)), BankHighestIndex(kind, b));
}

}  // namespace

DocumentWindow::DocumentWindow(Workspace& ws, UserInterface& ui, ShellCommands& shell, QWidget* parent)
    : QWidget(parent), ws_(ws), ui_(ui), shell_(shell) {
  setObjectName(QStringLiteral("FDoc"));
  setWindowIcon(shell.MainIcon());
  menus_.Build(this);
  menus_.hAbout->setText(shell.AboutCaption());

  tabMode = new QTabWidget(this);
  tabMode->setObjectName(QStringLiteral("tabMode"));
  tabMode->addTab(BuildArrangementPage(), QStringLiteral("&Arrangements"));
  tabMode->addTab(BuildStylePage(), QStringLiteral("&Styles"));
  tabMode->addTab(BuildProgramPage(), QStringLiteral("&Programs"));
  tabMode->addTab(BuildSequencePage(false), QStringLiteral("&Backing Seq"));
  tabMode->addTab(BuildSequencePage(true), QStringLiteral("S&ongs"));
  auto* kbdPage = new QWidget;
  grdArk = new BankGrid(4, kbdPage);
  grdArk->setObjectName(QStringLiteral("grdArk"));
  auto* kbdLayout = new QVBoxLayout(kbdPage);
  kbdLayout->addWidget(grdArk);
  kbdLayout->addStretch();
  tabMode->addTab(kbdPage, QStringLiteral("&KBD Sets"));

  cmdGbl = new QPushButton(QStringLiteral("&Global"), this);
  cmdGbl->setToolTip(QStringLiteral("Edit Arrangement Global Parameters"));
  cmdArg = new QPushButton(QStringLiteral("&Arrangement Global"), this);
  cmdArg->setToolTip(QStringLiteral("Edit Arrangement Global Parameters"));
  // It has no action of its own: "&Global" opens the dialog.
  cmdArg->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdGbl);
  buttons->addWidget(cmdArg);
  buttons->addStretch();

  body_ = new QWidget;
  auto* bodyLayout = new QVBoxLayout(body_);
  // Tight at the sides: at 800 pixels a screen just holds a 4-column grid.
  bodyLayout->setContentsMargins(0, 4, 0, 4);
  bodyLayout->addWidget(tabMode, 1);
  bodyLayout->addLayout(buttons);
  // A window smaller than its controls (four Sets tiled on a small screen)
  // scrolls them; the grid scrolls first, down to a few rows.
  auto* scroller = new QScrollArea(this);
  scroller->setObjectName(QStringLiteral("scrDoc"));
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setWidgetResizable(true);
  scroller->setWidget(body_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroller);

  connect(tabMode, &QTabWidget::currentChanged, this, &DocumentWindow::TabChanged);
  connect(cboArrBnk, &QComboBox::currentIndexChanged, this, &DocumentWindow::ArrangementBankClicked);
  connect(cboStyBnk, &QComboBox::currentIndexChanged, this, &DocumentWindow::StyleBankClicked);
  connect(cboPrgBnk, &QComboBox::currentIndexChanged, this, &DocumentWindow::ProgramBankClicked);
  connect(grdArr, &BankGrid::cellChosen, this, &DocumentWindow::ArrangementCellChosen);
  connect(grdSty, &BankGrid::cellChosen, this, &DocumentWindow::StyleCellChosen);
  connect(grdPrg, &BankGrid::cellChosen, this, &DocumentWindow::ProgramCellChosen);
  for (BankGrid* grid : {grdArr, grdSty, grdPrg})
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this] {
      if (Alive()) emit editCommand(d_, EditCommand::Details);
    });
  ConnectItemDrags();
  for (SequenceList* list : {lstBsq, lstSng}) {
    connect(list, &QListWidget::itemDoubleClicked, this, [this] {
      if (Alive()) emit editCommand(d_, EditCommand::Details);
    });
    connect(list, &QListWidget::currentRowChanged, this, &DocumentWindow::FollowItemContents);
  }
  connect(cmdGbl, &QPushButton::clicked, this, [this] {
    if (Alive()) emit globalRequested(d_);
  });
  ConnectMenus();
}

DocumentWindow::~DocumentWindow() { delete programProgress_.data(); }

void DocumentWindow::ConnectMenus() {
  connect(menus_.fNew, &QAction::triggered, this, [this] { shell_.NewSet(); });
  connect(menus_.fOpen, &QAction::triggered, this, [this] { shell_.OpenSetWithDialog(); });
  connect(menus_.fNewImage, &QAction::triggered, this, [this] { shell_.NewDiskImage(); });
  connect(menus_.fClose, &QAction::triggered, this, [this] {
    if (QMdiSubWindow* sub = SubWindow())
      sub->close();
    else
      close();
  });
  connect(menus_.fSave, &QAction::triggered, this, [this] { SaveAndTell(false); });
  connect(menus_.fSaveAs, &QAction::triggered, this, [this] { SaveAndTell(true); });
  connect(menus_.fExit, &QAction::triggered, this, [this] { shell_.ExitProgram(); });

  for (EditCommand c : kEditCommands)
    connect(menus_.ActionOf(c), &QAction::triggered, this, [this, c] {
      if (Alive()) emit editCommand(d_, c);
    });
  connect(menus_.uSetReport, &QAction::triggered, this, [this] {
    if (Alive()) emit utilityCommand(d_, UtilityCommand::SetReport);
  });
  connect(menus_.uSubsetReport, &QAction::triggered, this, [this] {
    if (Alive()) emit utilityCommand(d_, UtilityCommand::SubsetReport);
  });
  connect(menus_.uCompare, &QAction::triggered, this, [this] {
    if (Alive()) emit utilityCommand(d_, UtilityCommand::Compare);
  });
  connect(menus_.uLibrary, &QAction::triggered, this, [this] { shell_.ShowLibrary(); });

  // New values take effect at the next fill or check: nothing is refilled here.
  connect(menus_.options, &QAction::triggered, this, [this] { shell_.Dialogs().ShowOptions(ws_.prefs); });
  connect(menus_.window, &QMenu::aboutToShow, this, &DocumentWindow::SyncWindowChecks);
  connect(menus_.wCascade, &QAction::triggered, this, [this] { shell_.CascadeWindows(); });
  connect(menus_.wTile, &QAction::triggered, this, [this] { shell_.TileWindows(); });
  connect(menus_.wArrange, &QAction::triggered, this, [this] { shell_.ArrangeIcons(); });
  connect(menus_.hTopics, &QAction::triggered, this, [this] { shell_.Dialogs().ShowHelp(); });
  connect(menus_.hTips, &QAction::triggered, this, [this] { shell_.Dialogs().ShowTipOfTheDay(ws_.prefs.showTips); });
  connect(menus_.hAbout, &QAction::triggered, this, [this] { shell_.Dialogs().ShowAbout(); });
}

void DocumentWindow::SyncWindowChecks() {
  menus_.wCascade->setChecked(ws_.prefs.wArrangeMode == 0);
  menus_.wTile->setChecked(ws_.prefs.wArrangeMode == 1);
  // Below the arrangements, the open Sets, as desktop programs list their windows.
  for (QAction* entry : menus_.wSets) delete entry;
  menus_.wSets.clear();
  QMdiSubWindow* own = SubWindow();
  QMdiArea* area = own ? own->mdiArea() : nullptr;
  if (!area) return;
  menus_.wSets << menus_.window->addSeparator();
  int place = 0;
  for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder)) {
    auto* doc = qobject_cast<DocumentWindow*>(sub->widget());
    if (!doc || !doc->Alive()) continue;
    ++place;
    QString name = FromMessageText(SetNameInMessages(ws_, doc->Document()));
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* entry = menus_.window->addAction(place < 10 ? QStringLiteral("&%1 %2").arg(place).arg(name) : name);
    entry->setCheckable(true);
    entry->setChecked(sub == own);
    connect(entry, &QAction::triggered, sub, [area, sub] { area->setActiveSubWindow(sub); });
    menus_.wSets << entry;
  }
}

void DocumentWindow::Setup(int d) {
  d_ = 0;  // the tab change waits until everything is in place
  setWindowIcon(shell_.MainIcon());
  menus_.hAbout->setText(shell_.AboutCaption());
  tabMode->setTabEnabled(kTabKbdSets, false);
  FillBankList(cboArrBnk, kArrangement);
  FillBankList(cboStyBnk, kStyle);
  FillBankList(cboPrgBnk, kProgram);
  ws_.Slot(d).gridTags = {0, 48, 320};
  SyncWindowChecks();
  undoKinds_ = {};
  SetCaption(DocumentCaption(ws_.Slot(d)));
  d_ = d;
  FollowModified();
  SetUndoEntry(menus_, false);
  const int tab = ws_.prefs.modeId;
  // A stored tab that does not exist shows the first one.
  SelectTab(tab >= 0 && tab < tabMode->count() ? tab : kTabArrangements);
}

void DocumentWindow::SelectTab(int tab) {
  if (tabMode->currentIndex() == tab)
    TabChanged(tab);
  else
    tabMode->setCurrentIndex(tab);
}

void DocumentWindow::SetCaption(const std::string& caption) {
  // The desktop's modified mark stands in the title; the caption itself stays the Set's.
  setWindowTitle(FromMessageText(caption) + QStringLiteral("[*]"));
  FollowModified();
}

void DocumentWindow::SetUndoAvailable(bool available) {
  // Every edit acts on the kind of the tab shown: its own entry is switched.
  const int tab = tabMode->currentIndex();
  if (tab >= 0 && tab < static_cast<int>(undoKinds_.size())) undoKinds_[static_cast<std::size_t>(tab)] = available;
  if (ws_.IsDocument(d_)) ws_.Slot(d_).undoAvailable = available;
  SetUndoEntry(menus_, UndoOffered());
}

void DocumentWindow::RefreshKind(int kind) {
  if (!Alive()) return;
  const int tab = tabMode->currentIndex();
  if (tab == kind || (kind == kArrangement && tab == kTabKbdSets)) TabChanged(tab);
}

bool DocumentWindow::Alive() const { return d_ != 0 && ws_.InUse(d_); }

QSize DocumentWindow::sizeHint() const {
  const QMargins m = contentsMargins();
  return body_->sizeHint() + QSize(m.left() + m.right(), m.top() + m.bottom());
}

QMdiSubWindow* DocumentWindow::SubWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

ProgressWindow* DocumentWindow::ProgramCallsProgress() {
  if (!programProgress_) programProgress_ = new ProgressWindow(window());
  return programProgress_;
}

void DocumentWindow::FitPagesTo(int tab) {
  // Only the shown page may set the window's smallest size.
  for (int i = 0; i < tabMode->count(); ++i) {
    const auto policy = i == tab ? QSizePolicy::Preferred : QSizePolicy::Ignored;
    tabMode->widget(i)->setSizePolicy(policy, policy);
  }
}

void DocumentWindow::TabChanged(int tab) {
  FitPagesTo(tab);
  if (!Alive()) return;
  menus_.edit->menuAction()->setEnabled(false);
  menus_.uSubsetReport->setEnabled(true);
  ws_.prefs.modeId = static_cast<std::int16_t>(tab);
  SetUndoEntry(menus_, UndoOffered());
  const auto& tags = ws_.Slot(d_).gridTags;
  switch (tab) {
    case kTabArrangements: {
      const int bank = SplitArrangementNumber(tags[0]).first;
      if (bank != kNoBank && bank != cboArrBnk->currentIndex())
        cboArrBnk->setCurrentIndex(bank);
      else
        ArrangementBankClicked();
      break;
    }
    case kTabStyles: {
      const int bank = SplitStyleNumber(tags[1]).first;
      if (bank != kNoBank && bank != cboStyBnk->currentIndex())
        cboStyBnk->setCurrentIndex(bank);
      else
        StyleBankClicked();
      break;
    }
    case kTabPrograms: {
      const int bank = SplitProgramNumber(tags[2]).first;
      if (bank != kNoBank && bank != cboPrgBnk->currentIndex())
        cboPrgBnk->setCurrentIndex(bank);
      else
        ProgramBankClicked();
      break;
    }
    case kTabBackingSequences: FillBackingSequenceList(); break;
    case kTabSongs: FillSongList(); break;
    default: FillArrangementGrid(); break;
  }
}

void DocumentWindow::ArrangementBankClicked() {
  if (!Alive()) return;
  const int b = cboArrBnk->currentIndex();
  auto& tag = ws_.Slot(d_).gridTags[0];
  if (b != SplitArrangementNumber(tag).first) tag = ArrangementNumber(b, 0);
  FillArrangementGrid();
}

void DocumentWindow::StyleBankClicked() {
  if (!Alive()) return;
  const int b = cboStyBnk->currentIndex();
  auto& tag = ws_.Slot(d_).gridTags[1];
  if (b != SplitStyleNumber(tag).first) tag = StyleNumber(b, 0);
  FillStyleGrid();
}

void DocumentWindow::ProgramBankClicked() {
  if (!Alive()) return;
  const int b = cboPrgBnk->currentIndex();
  auto& tag = ws_.Slot(d_).gridTags[2];
  if (b != SplitProgramNumber(tag).first) tag = ProgramNumber(b, 0);
  FillProgramGrid();
}

void DocumentWindow::EditMenuForItem() {
  const int tab = tabMode->currentIndex();
  const bool twin = (tab == kTabArrangements && chkTwin[0]->isChecked()) ||
                    (tab == kTabPrograms && chkTwin[2]->isChecked());
  tolvane::EditMenuForItem(menus_, twin, UndoOffered(),
                           tab == kTabArrangements || tab == kTabPrograms, CurrentItemHolds());
  FollowItemContents();
}

void DocumentWindow::EditMenuForStyle() {
  tolvane::EditMenuForStyle(menus_, UndoOffered(), CurrentItemHolds());
  FollowItemContents();
}

bool DocumentWindow::CurrentItemHolds() const {
  if (!Alive()) return false;
  const int tab = tabMode->currentIndex();
  if (tab > kTabPrograms) return false;
  const KindEdits* edits = EditsOfKind(tab);
  const int u = edits ? edits->UserIndex(ws_.Slot(d_).gridTags[static_cast<std::size_t>(tab)]) : -1;
  return u >= 0 && edits->IsNamed(ws_, d_, u);
}

void DocumentWindow::EditMenuDetailsOnly() { tolvane::EditMenuDetailsOnly(menus_); }

void DocumentWindow::closeEvent(QCloseEvent* event) {
  if (!Alive()) {
    event->accept();
    return;
  }
  if (!QueryCloseDocument(ws_, d_)) {
    event->ignore();
    return;
  }
  event->accept();
  const int d = d_;
  d_ = 0;  // every handler stops from here on
  if (programProgress_) programProgress_->Finish();
  UnloadDocument(ws_, d);
  emit closed(d);
}

}  // namespace tolvane
