#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QListWidget>
#include <QPushButton>

#include "demo_window.h"
#include "shell/main_window.h"
#include "storage/workspace.h"

namespace tolvane::test {
namespace {

using TabsAndBanks = DemoWindowTest;
using EditMenu = DemoWindowTest;
using WindowMenus = DemoWindowTest;

QStringList Captions(const QList<QAction*>& actions) {
  QStringList out;
  for (QAction* a : actions) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
  return out;
}

TEST_F(TabsAndBanks, TheWindowAsOpened) {
  EXPECT_EQ(doc->windowTitle(), "DEMO");
  EXPECT_EQ(doc->Document(), 1);
  QStringList tabs;
  for (int i = 0; i < doc->tabMode->count(); ++i) tabs << doc->tabMode->tabText(i);
  EXPECT_EQ(tabs, QStringList({"&Arrangements", "&Styles", "&Programs", "&Backing Seq", "S&ongs", "&KBD Sets"}));
  EXPECT_FALSE(doc->tabMode->isTabEnabled(kTabKbdSets));
  EXPECT_EQ(doc->cboArrBnk->count(), 1);
  EXPECT_EQ(doc->cboPrgBnk->count(), 5);
  EXPECT_EQ(doc->cboPrgBnk->itemText(4), "Dr");
  EXPECT_EQ(doc->cboPrgBnk->itemData(4).toInt(), 7);
  EXPECT_EQ(h.Ws().Slot(1).gridTags, (std::array<std::int16_t, 3>{0, 48, 320}));
  EXPECT_EQ(doc->cboArrBnk->toolTip(), "Select Arrangement Bank here");
  EXPECT_EQ(doc->cmdGbl->text(), "&Global");
  EXPECT_EQ(doc->cmdGbl->toolTip(), "Edit Arrangement Global Parameters");
  EXPECT_FALSE(doc->cmdArg->isEnabled());
  // The whole grid is visible in the window.
  const QRect grid(doc->grdArr->mapTo(doc->SubWindow(), QPoint(0, 0)), doc->grdArr->size());
  EXPECT_TRUE(doc->SubWindow()->rect().contains(grid)) << grid.x() << "," << grid.y() << " " << grid.width() << "x"
                                                       << grid.height() << " in " << doc->SubWindow()->width()
                                                       << "x" << doc->SubWindow()->height();
}

TEST_F(TabsAndBanks, EveryTabFitsTheWidthOfAn800PixelScreen) {
  const QMdiArea* area = h.App().Main()->Area();
  ASSERT_LE(area->viewport()->width(), 800);
  for (int tab = 0; tab < 5; ++tab) {
    ShowTab(tab);
    const QRect window = doc->SubWindow()->geometry();
    EXPECT_LE(window.right(), area->viewport()->width() - 1) << "tab " << tab << ": " << window.width();
    for (BankGrid* grid : {doc->grdArr, doc->grdSty, doc->grdFreeS, doc->grdPrg}) {
      if (!grid->isVisible()) continue;
      const QRect inWindow(grid->mapTo(doc->SubWindow(), QPoint(0, 0)), grid->size());
      EXPECT_TRUE(doc->SubWindow()->rect().contains(inWindow)) << "tab " << tab << " " << grid->objectName().toStdString();
    }
  }
}

TEST_F(TabsAndBanks, TheTabChangeKeepsModeIdAndRestoresEachGridsSelection) {
  ShowTab(kTabPrograms);
  EXPECT_EQ(h.Ws().prefs.modeId, kTabPrograms);
  EXPECT_TRUE(doc->cmdArg->isEnabled());
  doc->grdPrg->setCurrentCell(2, 1);  // D32
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 320 + 9);
  ShowTab(kTabStyles);
  doc->grdSty->setCurrentCell(1, 2);  // U23
  ShowTab(kTabSongs);
  EXPECT_EQ(h.Ws().prefs.modeId, kTabSongs);
  ShowTab(kTabPrograms);
  EXPECT_EQ(doc->grdPrg->currentRow(), 2);
  EXPECT_EQ(doc->grdPrg->currentColumn(), 1);
  ShowTab(kTabStyles);
  EXPECT_EQ(doc->grdSty->currentRow(), 1);
  EXPECT_EQ(doc->grdSty->currentColumn(), 2);
}

TEST_F(TabsAndBanks, AnotherBankMovesTheCurrentItemToItsFirstItem) {
  ShowTab(kTabPrograms);
  doc->grdPrg->setCurrentCell(3, 3);
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 320 + 15);
  PickBank(doc->cboPrgBnk, 3);  // the same bank: nothing moves
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 320 + 15);
  PickBank(doc->cboPrgBnk, 1);
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 64);
  EXPECT_EQ(doc->grdPrg->currentRow(), 0);
  EXPECT_EQ(doc->grdPrg->currentColumn(), 0);
  PickBank(doc->cboPrgBnk, 3);
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 320);
}

TEST_F(TabsAndBanks, ANewWindowOpensOnTheModeIdTab) {
  h.Ws().prefs.modeId = kTabStyles;
  h.ui.ChooseFile(h.folder.DemoSet() + ".STY").Answer(MsgResult::Ok);
  h.App().Main()->OpenSetWithDialog();
  DocumentWindow* second = h.App().Documents().Window(2);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->tabMode->currentIndex(), kTabStyles);
  EXPECT_EQ(second->grdSty->rowCount(), 8);
  EXPECT_EQ(second->cboStyBnk->currentIndex(), 1);
}

TEST_F(TabsAndBanks, OddModeIdValues) {
  // The KBD Sets tab shows nothing of its own; the arrangement grid is filled behind it.
  h.Ws().prefs.modeId = kTabKbdSets;
  h.ui.ChooseFile(h.folder.DemoSet() + ".STY").Answer(MsgResult::Ok);
  h.App().Main()->OpenSetWithDialog();
  DocumentWindow* kbd = h.App().Documents().Window(2);
  ASSERT_NE(kbd, nullptr);
  EXPECT_EQ(kbd->tabMode->currentIndex(), kTabKbdSets);
  EXPECT_EQ(kbd->grdArr->CellText(0, 0).left(14), "A11 Pop Ballad");
  EXPECT_EQ(kbd->grdArk->rowCount(), 0);

  // A stored tab that does not exist shows the first one.
  h.Ws().prefs.modeId = 9;
  h.ui.ChooseFile(h.folder.DemoSet() + ".STY").Answer(MsgResult::Ok).Answer(MsgResult::Ok);
  h.App().Main()->OpenSetWithDialog();
  DocumentWindow* third = h.App().Documents().Window(3);
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->tabMode->currentIndex(), kTabArrangements);
  EXPECT_EQ(h.Ws().prefs.modeId, kTabArrangements);
}

TEST_F(TabsAndBanks, RefreshOfTheShownKindRefills) {
  h.Ws().Stores(1).arrangements.records[6].SetName("New One");
  h.Ws().Stores(1).arrangements.records[6].SetStyleNumber(3);
  h.App().Documents().RefreshKind(1, 1);  // another kind: nothing happens
  EXPECT_EQ(doc->grdArr->CellText(1, 2).trimmed(), "A17");
  h.App().Documents().RefreshKind(1, 0);
  EXPECT_EQ(doc->grdArr->CellText(1, 2).toStdString(), "A17 New One          (P14)");
}

TEST_F(TabsAndBanks, ShowingAnItemSelectsItsBankAndCell) {
  ShowTab(kTabPrograms);
  h.App().Documents().ShowItem(1, 2, 100);  // B45
  EXPECT_EQ(doc->cboPrgBnk->currentIndex(), 1);
  EXPECT_EQ(doc->grdPrg->currentRow(), 9);
  EXPECT_EQ(doc->grdPrg->currentColumn(), 0);
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 100);
  EXPECT_FALSE(doc->Menus().eCut->isEnabled());  // a preset Program
  ShowTab(kTabSongs);
  h.App().Documents().ShowItem(1, 4, 7);
  EXPECT_EQ(doc->lstSng->currentRow(), 7);
  EXPECT_FALSE(doc->Menus().ePasteIStyle->isEnabled());
}

TEST_F(TabsAndBanks, RefreshingOneItemRedrawsItsCellAndBlock) {
  ShowTab(kTabStyles);
  StyleSetData& styles = h.Ws().Stores(1).styles;
  styles.headers[5].SetName("Added");
  styles.sizes[5] = kStyleBaseSize + 4 * 500;
  h.App().Documents().RefreshItem(1, 1, 48 + 5);
  EXPECT_EQ(Text(doc->grdSty, 1, 1), "U22 Added           :500");
  EXPECT_EQ(Text(doc->grdFreeS, 1, 0), "8000");
  EXPECT_EQ(Text(doc->grdFreeS, 0, 0), "9250");

  ShowTab(kTabBackingSequences);
  h.Ws().Stores(1).backingSequences.records[4].SetName("Fresh");
  h.App().Documents().RefreshItem(1, 3, 4);
  EXPECT_EQ(doc->lstBsq->item(4)->text().toStdString(), "BSeq 4: Fresh            :    0");
}

TEST_F(EditMenu, EntriesAndCaptions) {
  EXPECT_EQ(Captions(doc->Menus().edit->actions()),
            QStringList({"Can't Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "In&sert", "Paste from &IStyle...",
                         "-", "Detai&ls", "-", "&Erase Bank", "I&mport..."}));
  EXPECT_EQ(doc->Menus().eInsert->shortcut(), QKeySequence(QStringLiteral("Ctrl+Ins")));
  EXPECT_EQ(doc->Menus().eDelete->shortcut(), QKeySequence(Qt::Key_Delete));
  EXPECT_EQ(Captions(doc->Menus().file->actions()),
            QStringList({"&New", "&Open...", "&Close", "&Save", "Sa&ve As...", "-", "E&xit"}));
  EXPECT_EQ(Captions(doc->Menus().window->actions()), QStringList({"&Cascade", "&Tile", "&Arrange Icons"}));
  EXPECT_EQ(Captions(doc->Menus().utilities->actions()),
            QStringList({"Display Set &Report", "Create Su&bset Report File..."}));
  EXPECT_EQ(Captions(doc->Menus().help->actions()),
            QStringList({"&Contents", "-", "Ti&p of the Day...", "-", "About Korg-Tolvane..."}));
  QStringList bar;
  for (QAction* a : doc->Menus().BarEntries()) bar << a->text();
  EXPECT_EQ(bar, QStringList({"&File", "&Edit", "&Options", "&Window", "&Utilities", "&?"}));
}

TEST_F(EditMenu, StatesFollowTheTabAndTheSelection) {
  DocumentMenus& m = doc->Menus();
  auto enabled = [&] {
    QStringList on;
    for (QAction* a : m.edit->actions())
      if (!a->isSeparator() && a->isEnabled()) on << a->text();
    return on;
  };
  const QStringList everyItem{"Cu&t", "&Copy", "&Paste", "&Delete", "In&sert", "Paste from &IStyle...",
                              "Detai&ls", "&Erase Bank", "I&mport..."};
  EXPECT_TRUE(m.edit->menuAction()->isEnabled());
  EXPECT_EQ(enabled(), everyItem);

  ShowTab(kTabStyles);
  EXPECT_EQ(enabled(), QStringList({"Cu&t", "&Copy", "&Paste", "Paste from &IStyle...", "Detai&ls", "&Erase Bank",
                                    "I&mport..."}));
  PickBank(doc->cboStyBnk, 0);
  EXPECT_EQ(enabled(), QStringList({"Detai&ls"}));

  ShowTab(kTabPrograms);
  EXPECT_EQ(enabled(), everyItem);
  doc->chkTwin[2]->setChecked(true);
  doc->grdPrg->setCurrentCell(1, 1);
  EXPECT_EQ(enabled(), QStringList({"Cu&t", "&Copy", "&Paste", "&Delete", "In&sert", "Paste from &IStyle...",
                                    "Detai&ls"}));
  PickBank(doc->cboPrgBnk, 0);  // a preset bank
  EXPECT_EQ(enabled(), QStringList({"Detai&ls"}));

  ShowTab(kTabBackingSequences);
  EXPECT_EQ(enabled(), QStringList({"Cu&t", "&Copy", "&Paste", "&Delete", "In&sert", "Detai&ls", "&Erase Bank",
                                    "I&mport..."}));
}

TEST_F(EditMenu, UndoFollowsTheLastEditWhereverTheSelectionHasBeen) {
  DocumentMenus& m = doc->Menus();
  h.App().Documents().SetUndoAvailable(1, true);
  EXPECT_TRUE(m.eUndo->isEnabled());
  EXPECT_EQ(m.eUndo->text(), "&Undo");
  ShowTab(kTabPrograms);
  PickBank(doc->cboPrgBnk, 0);
  EXPECT_FALSE(m.eUndo->isEnabled());
  EXPECT_EQ(m.eUndo->text(), "&Undo");
  PickBank(doc->cboPrgBnk, 3);
  EXPECT_TRUE(m.eUndo->isEnabled());
  h.App().Documents().SetUndoAvailable(1, false);
  EXPECT_FALSE(m.eUndo->isEnabled());
  EXPECT_EQ(m.eUndo->text(), "Can't Undo");
}

TEST_F(EditMenu, CommandsAreHandedOnWithTheDocumentNumber) {
  std::vector<std::pair<int, EditCommand>> seen;
  QObject::connect(doc, &DocumentWindow::editCommand, [&](int d, EditCommand c) { seen.emplace_back(d, c); });
  doc->Menus().eCopy->trigger();
  doc->Menus().eEraseBank->trigger();
  emit doc->grdArr->cellDoubleClicked(0, 0);
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0], (std::pair<int, EditCommand>{1, EditCommand::Copy}));
  EXPECT_EQ(seen[1].second, EditCommand::EraseBank);
  EXPECT_EQ(seen[2].second, EditCommand::Details);
}

TEST_F(WindowMenus, ArrangementCommandsSetWArrangeMode) {
  DocumentMenus& m = doc->Menus();
  m.wCascade->trigger();
  EXPECT_EQ(h.Ws().prefs.wArrangeMode, 0);
  emit m.window->aboutToShow();
  EXPECT_TRUE(m.wCascade->isChecked());
  EXPECT_FALSE(m.wTile->isChecked());
  m.wTile->trigger();
  EXPECT_EQ(h.Ws().prefs.wArrangeMode, 1);
  emit m.window->aboutToShow();
  EXPECT_TRUE(m.wTile->isChecked());
  EXPECT_FALSE(m.wCascade->isChecked());
  doc->SubWindow()->showMinimized();
  m.wArrange->trigger();
  EXPECT_EQ(h.Ws().prefs.wArrangeMode, 1);
  const QRect area = h.App().Main()->Area()->viewport()->rect();
  EXPECT_EQ(doc->SubWindow()->geometry().bottom(), area.bottom());
  EXPECT_EQ(doc->SubWindow()->geometry().left(), 0);
}

TEST_F(WindowMenus, OptionsHelpAndTipsGoToTheShell) {
  doc->Menus().options->trigger();
  doc->Menus().hTopics->trigger();
  doc->Menus().hTips->trigger();
  doc->Menus().hAbout->trigger();
  EXPECT_EQ(EventLog(h.log.end() - 4, h.log.end()), (EventLog{"options", "help", "tips", "about"}));
}

TEST_F(WindowMenus, TheFrameShowsTheActiveWindowsMenusOrItsOwn) {
  MainWindow* main = h.App().Main();
  QStringList bar;
  for (QAction* a : main->menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, QStringList({"&File", "&Edit", "&Options", "&Window", "&Utilities", "&?"}));
  doc->Menus().fClose->trigger();
  QApplication::processEvents();
  bar.clear();
  for (QAction* a : main->menuBar()->actions()) bar << a->text();
  EXPECT_EQ(bar, QStringList({"&File", "&?"}));
  EXPECT_EQ(Captions(main->mnuFile->actions()), QStringList({"&New", "&Open", "E&xit"}));
}

}  // namespace
}  // namespace tolvane::test
