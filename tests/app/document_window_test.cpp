#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include "demo_window.h"

namespace tolvane::test {
namespace {

using TabsAndBanks = DemoWindowTest;
using EditMenu = DemoWindowTest;
using WindowMenus = DemoWindowTest;

// Tiled and cascaded windows of one to four Sets stay inside the workspace of
// the small screens the editor is made for, and a refill keeps the size they
// were given: their grids scroll instead.
TEST(WindowFit, ArrangedWindowsStayInsideTheWorkspaceThroughEveryRefill) {
  for (QSize screen : {QSize(800, 600), QSize(1024, 768)})
    for (int sets = 1; sets <= 4; ++sets) {
      AppHarness h;
      ASSERT_TRUE(h.Start());
      MainWindow* main = h.App().Main();
      main->showNormal();
      main->setGeometry(QRect(QPoint(0, 0), screen));
      for (int n = 2; n <= sets; ++n) {
        h.ui.ChooseFile(h.DemoSet() + ".STY");
        for (int i = 1; i < n; ++i) h.ui.Answer(MsgResult::Ok);  // the warning about its name
        main->OpenSetWithDialog();
      }
      QMdiArea* area = main->Area();
      const QList<QMdiSubWindow*> windows = area->subWindowList(QMdiArea::CreationOrder);
      ASSERT_EQ(windows.size(), sets);
      const std::string at = std::to_string(screen.width()) + " " + std::to_string(sets) + " Sets ";
      for (bool tile : {true, false}) {
        tile ? main->TileWindows() : main->CascadeWindows();
        QList<QRect> given;
        for (QMdiSubWindow* w : windows) given << w->geometry();
        for (DocumentWindow* doc : h.App().Documents().All()) {
          doc->chkTwin[0]->setChecked(true);
          doc->chkTwin[2]->setChecked(true);
          for (int tab : {kTabArrangements, kTabStyles, kTabPrograms, kTabSongs}) doc->SelectTab(tab);
        }
        for (int i = 0; i < windows.size(); ++i) {
          EXPECT_TRUE(area->viewport()->rect().contains(windows[i]->geometry())) << at << tile;
          EXPECT_EQ(windows[i]->geometry(), given[i]) << at << tile;
          for (int j = 0; tile && j < i; ++j) EXPECT_FALSE(given[i].intersects(given[j])) << at;
        }
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible()) << at;
      }
    }
}

TEST_F(TabsAndBanks, EachGridKeepsItsSelectionUntilAnotherBankMovesItToTheFirstItem) {
  ShowTab(kTabPrograms);
  EXPECT_EQ(h.Ws().prefs.modeId, kTabPrograms);
  EXPECT_FALSE(doc->cmdArg->isEnabled());  // it has no action
  doc->grdPrg->setCurrentCell(2, 1);  // D32
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 320 + 9);
  ShowTab(kTabStyles);
  doc->grdSty->setCurrentCell(1, 2);  // U23
  ShowTab(kTabSongs);
  EXPECT_EQ(h.Ws().prefs.modeId, kTabSongs);
  ShowTab(kTabStyles);
  EXPECT_EQ(Current(doc->grdSty), (Position{1, 2}));
  ShowTab(kTabPrograms);
  EXPECT_EQ(Current(doc->grdPrg), (Position{2, 1}));

  PickBank(doc->cboPrgBnk, 3);  // the same bank: nothing moves
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 320 + 9);
  PickBank(doc->cboPrgBnk, 1);
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 64);
  EXPECT_EQ(Current(doc->grdPrg), (Position{0, 0}));
  PickBank(doc->cboPrgBnk, 3);
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 320);
}

TEST_F(TabsAndBanks, ANewWindowOpensOnTheModeIdTab) {
  // A stored tab that does not exist shows the first one.
  const struct {
    int modeId, tab;
  } cases[] = {{kTabStyles, kTabStyles}, {kTabKbdSets, kTabKbdSets}, {9, kTabArrangements}};
  for (int i = 0; i < 3; ++i) {
    h.Ws().prefs.modeId = cases[i].modeId;
    DocumentWindow* w = OpenDemoAgain(i + 2);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->tabMode->currentIndex(), cases[i].tab);
    EXPECT_EQ(h.Ws().prefs.modeId, cases[i].tab);
  }
}

TEST_F(TabsAndBanks, ShowingAnItemSelectsItsBankAndCell) {
  ShowTab(kTabPrograms);
  h.App().Documents().ShowItem(1, 2, 100);  // B45
  EXPECT_EQ(doc->cboPrgBnk->currentIndex(), 1);
  EXPECT_EQ(Current(doc->grdPrg), (Position{9, 0}));
  EXPECT_EQ(h.Ws().Slot(1).gridTags[2], 100);
  EXPECT_FALSE(doc->Menus().eCut->isEnabled());  // a preset Program
  ShowTab(kTabSongs);
  h.App().Documents().ShowItem(1, 4, 7);
  EXPECT_EQ(doc->lstSng->currentRow(), 7);
  EXPECT_FALSE(doc->Menus().ePasteIStyle->isEnabled());
}

TEST_F(TabsAndBanks, RefreshesRedrawFromTheSetsData) {
  h.Ws().Stores(1).arrangements.records[6].SetName("New One");
  h.Ws().Stores(1).arrangements.records[6].SetStyleNumber(3);
  h.App().Documents().RefreshKind(1, 1);  // another kind: nothing happens
  EXPECT_EQ(doc->grdArr->CellText(1, 2).trimmed(), "A17");
  h.App().Documents().RefreshKind(1, 0);
  EXPECT_EQ(Text(doc->grdArr, 1, 2), "A17 New One          (P14)");

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

TEST_F(EditMenu, StatesFollowTheTabAndTheSelection) {
  DocumentMenus& m = doc->Menus();
  auto enabled = [&] {
    QStringList on;
    for (QAction* a : m.edit->actions())
      if (!a->isSeparator() && a->isEnabled()) on << a->text();
    return on;
  };
  // Nothing has been copied yet: there is nothing to paste.
  const QStringList everyItem{"Cu&t",    "&Copy",  "&Delete",  "In&sert",     "Paste from &IStyle...",
                              "E&xport to IStyle...", "Detai&ls", "&Erase Bank", "I&mport..."};
  EXPECT_TRUE(m.edit->menuAction()->isEnabled());
  EXPECT_EQ(enabled(), everyItem);
  doc->grdArr->setCurrentCell(1, 2);  // A17 holds nothing to cut, show or export
  QStringList emptyItem = everyItem;
  for (const char* entry : {"Cu&t", "E&xport to IStyle...", "Detai&ls"}) emptyItem.removeAll(entry);
  EXPECT_EQ(enabled(), emptyItem);

  ShowTab(kTabStyles);
  EXPECT_EQ(enabled(), QStringList({"Cu&t", "&Copy", "Paste from &IStyle...", "E&xport to IStyle...", "Detai&ls",
                                    "&Erase Bank", "I&mport..."}));
  PickBank(doc->cboStyBnk, 0);
  EXPECT_EQ(enabled(), QStringList({"Detai&ls"}));

  ShowTab(kTabPrograms);
  EXPECT_EQ(enabled(), everyItem);
  doc->chkTwin[2]->setChecked(true);
  doc->grdPrg->setCurrentCell(1, 1);
  EXPECT_EQ(enabled(), QStringList({"Cu&t", "&Copy", "&Delete", "In&sert", "Paste from &IStyle...",
                                    "E&xport to IStyle...", "Detai&ls"}));
  PickBank(doc->cboPrgBnk, 0);  // a preset bank
  EXPECT_EQ(enabled(), QStringList({"Detai&ls"}));

  ShowTab(kTabBackingSequences);
  EXPECT_EQ(enabled(), QStringList({"Cu&t", "&Copy", "&Delete", "In&sert", "Detai&ls", "&Erase Bank", "I&mport..."}));
}

TEST_F(EditMenu, CommandsAreHandedOnWithTheDocumentNumber) {
  std::vector<std::pair<int, EditCommand>> seen;
  QObject::connect(doc, &DocumentWindow::editCommand, [&](int d, EditCommand c) { seen.emplace_back(d, c); });
  doc->Menus().eEraseBank->trigger();
  doc->grdArr->setCurrentCell(1, 2);  // A17 is empty: no dialog opens
  emit doc->grdArr->cellDoubleClicked(1, 2);
  EXPECT_EQ(seen, (std::vector<std::pair<int, EditCommand>>{{1, EditCommand::EraseBank}, {1, EditCommand::Details}}));
}

TEST_F(WindowMenus, ArrangementCommandsSetWArrangeMode) {
  DocumentMenus& m = doc->Menus();
  m.wCascade->trigger();
  EXPECT_EQ(h.Ws().prefs.wArrangeMode, 0);
  m.wTile->trigger();
  emit m.window->aboutToShow();
  EXPECT_EQ(std::pair(m.wCascade->isChecked(), m.wTile->isChecked()), std::pair(false, true));
  doc->SubWindow()->showMinimized();
  m.wArrange->trigger();
  EXPECT_EQ(h.Ws().prefs.wArrangeMode, 1);
  EXPECT_EQ(doc->SubWindow()->geometry().bottomLeft(), h.App().Main()->Area()->viewport()->rect().bottomLeft());
}

// A key with two owners fires neither on some platforms.
TEST_F(WindowMenus, CtrlF4BelongsToTheFileMenusCloseAlone) {
  const QKeySequence key(QStringLiteral("Ctrl+F4"));
  QList<QAction*> owners;
  for (QAction* a : doc->SubWindow()->findChildren<QAction*>() + doc->SubWindow()->systemMenu()->actions())
    if (a->shortcuts().contains(key) && !owners.contains(a)) owners << a;
  EXPECT_EQ(owners, QList<QAction*>{doc->Menus().fClose});
}

TEST_F(WindowMenus, OptionsHelpAndTipsGoToTheShell) {
  doc->Menus().options->trigger();
  doc->Menus().hTopics->trigger();
  doc->Menus().hTips->trigger();
  doc->Menus().hAbout->trigger();
  EXPECT_EQ(EventLog(h.log.end() - 4, h.log.end()), (EventLog{"options", "help", "tips", "about"}));
}

}  // namespace
}  // namespace tolvane::test
