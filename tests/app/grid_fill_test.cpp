#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QListWidget>

#include "demo_window.h"
#include "storage/workspace.h"
#include "ui/progress_window.h"

namespace tolvane::test {
namespace {

const std::string kBlank16(16, ' ');

using ArrangementGrid = DemoWindowTest;
using StyleGrid = DemoWindowTest;
using ProgramGrid = DemoWindowTest;
using SequenceLists = DemoWindowTest;

TEST_F(ArrangementGrid, CellsShowTheStyleCalledAndMarkCalledArrangements) {
  EXPECT_EQ(doc->tabMode->currentIndex(), kTabArrangements);
  BankGrid* g = doc->grdArr;
  EXPECT_EQ(g->rowCount(), 16);
  EXPECT_FALSE(doc->chkTwin[0]->isVisible());
  EXPECT_EQ(g->Background(), Rgb(224, 255, 224));
  EXPECT_EQ(Text(g, 0, 0), "A11 Pop Ballad       (U23)U");
  EXPECT_EQ(Text(g, 0, 1), "A12 Rock 8Beat       (U11)U");
  EXPECT_EQ(Text(g, 0, 3), "A14 Latin Mix        (P25)");
  EXPECT_EQ(Text(g, 1, 2), "A17 " + kBlank16);
  EXPECT_EQ(Text(g, 15, 3), "A88 " + kBlank16);
  EXPECT_EQ(g->CellColour(0, 0), Rgb(255, 0, 0));  // played by Backing Sequences 0 and 1
  EXPECT_EQ(g->CellColour(0, 3), Rgb(255, 0, 0));
  EXPECT_EQ(g->CellColour(0, 1), Rgb(0, 0, 255));
  EXPECT_EQ(g->CellColour(1, 2), Rgb(0, 0, 255));
  EXPECT_EQ(g->currentRow(), 0);
  EXPECT_EQ(g->currentColumn(), 0);
  EXPECT_TRUE(QFontInfo(g->font()).fixedPitch());
}

TEST_F(ArrangementGrid, WithHighCallOffNamedUserItemsAreBlack) {
  h.Ws().prefs.highCall = 0;
  ShowTab(kTabStyles);
  ShowTab(kTabArrangements);
  EXPECT_EQ(doc->grdArr->CellColour(0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(doc->grdArr->CellColour(0, 1), Rgb(0, 0, 0));
  EXPECT_EQ(doc->grdArr->CellColour(1, 2), Rgb(0, 0, 255));

  ShowTab(kTabStyles);
  EXPECT_EQ(doc->grdSty->CellColour(0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(doc->grdSty->CellColour(0, 3), Rgb(0, 0, 255));  // empty U14
  PickBank(doc->cboStyBnk, 0);
  const QColor disabled = doc->palette().color(QPalette::Disabled, QPalette::WindowText);
  EXPECT_EQ(doc->grdSty->CellColour(0, 0), disabled);
  EXPECT_EQ(doc->grdSty->CellColour(3, 0), disabled);

  ShowTab(kTabPrograms);
  EXPECT_EQ(doc->grdPrg->CellColour(0, 0), Rgb(0, 0, 0));
  PickBank(doc->cboPrgBnk, 0);
  EXPECT_EQ(doc->grdPrg->CellColour(1, 1), disabled);  // A16, called
  EXPECT_EQ(doc->grdPrg->CellColour(15, 3), disabled);
}

TEST_F(StyleGrid, UserBankWithEventsAndFreeColumn) {
  ShowTab(kTabStyles);
  EXPECT_EQ(doc->cboStyBnk->currentIndex(), 1);
  EXPECT_EQ(doc->cboStyBnk->count(), 2);
  EXPECT_EQ(doc->cboStyBnk->itemText(0), "P");
  EXPECT_EQ(doc->cboStyBnk->itemData(0).toInt(), 47);
  BankGrid* g = doc->grdSty;
  EXPECT_EQ(g->rowCount(), 8);
  EXPECT_EQ(g->Background(), Rgb(255, 224, 255));
  EXPECT_EQ(Text(g, 0, 0), "U11 Rock Beat       :3200");
  EXPECT_EQ(Text(g, 0, 3), "U14 " + kBlank16 + ":0");
  EXPECT_EQ(Text(g, 1, 2), "U23 Ballad          :4100");
  EXPECT_EQ(g->CellColour(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(g->CellColour(0, 2), Rgb(0, 0, 255));  // Pop Shuffl is called by nobody

  EXPECT_TRUE(doc->grdFreeS->isVisible());
  EXPECT_EQ(doc->lblFreeS->text(), "      Events  ...used          free");
  const char* const free[] = {"9250", "8500", "8600", "2100", "15200", "14400", "15200", "15200"};
  ASSERT_EQ(doc->grdFreeS->rowCount(), 8);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(Text(doc->grdFreeS, r, 0), free[r]) << r;
  EXPECT_EQ(doc->grdFreeS->Background(), Rgb(255, 224, 255));
}

TEST_F(StyleGrid, PresetBankColours) {
  ShowTab(kTabStyles);
  PickBank(doc->cboStyBnk, 0);
  BankGrid* g = doc->grdSty;
  EXPECT_EQ(g->rowCount(), 12);
  EXPECT_EQ(Text(g, 0, 0), "P11 Style P11       ");
  EXPECT_EQ(Text(g, 11, 3), "P68 Style P68       ");
  EXPECT_EQ(g->CellColour(3, 0), Rgb(128, 0, 0));   // P25, played by A14
  EXPECT_EQ(g->CellColour(0, 0), Rgb(0, 128, 127));  // P11, played by nobody
  EXPECT_FALSE(doc->grdFreeS->isVisible());
  EXPECT_EQ(h.Ws().Slot(1).gridTags[1], 0);
}

TEST_F(ProgramGrid, UserBankPresetsAndTwinView) {
  ShowTab(kTabPrograms);
  EXPECT_EQ(doc->cboPrgBnk->currentIndex(), 3);
  BankGrid* g = doc->grdPrg;
  EXPECT_EQ(g->rowCount(), 16);
  EXPECT_EQ(Text(g, 0, 0), "D11 Grand Pno ");
  EXPECT_EQ(g->CellColour(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(Text(g, 2, 2), "D23           ");
  EXPECT_EQ(g->CellColour(2, 2), Rgb(0, 0, 255));
  EXPECT_TRUE(doc->chkTwin[2]->isVisible());

  PickBank(doc->cboPrgBnk, 0);
  EXPECT_EQ(Text(g, 1, 1), "A16 Prog A16  ");
  EXPECT_EQ(g->CellColour(1, 1), Rgb(128, 0, 0));
  EXPECT_EQ(g->CellColour(15, 3), Rgb(0, 128, 127));

  doc->chkTwin[2]->setChecked(true);
  EXPECT_EQ(g->rowCount(), 16);  // no effect before the next fill
  PickBank(doc->cboPrgBnk, 1);
  PickBank(doc->cboPrgBnk, 0);
  EXPECT_EQ(g->rowCount(), 32);
  EXPECT_EQ(Text(g, 16, 0), "B11 Prog B11  ");
  EXPECT_EQ(Text(g, 31, 3), "B88 Prog B88  ");
  EXPECT_EQ(g->size(), g->SizeForRows(32));

  PickBank(doc->cboPrgBnk, 2);
  EXPECT_EQ(g->rowCount(), 16);
  EXPECT_FALSE(doc->chkTwin[2]->isVisible());
  PickBank(doc->cboPrgBnk, 4);
  EXPECT_EQ(g->rowCount(), 2);
  EXPECT_EQ(Text(g, 1, 2), "Dr7 Demo Kit  ");
  EXPECT_EQ(Text(g, 0, 0), "Dr1 Drums Dr1 ");
}

TEST_F(ProgramGrid, TheProgressWindowShowsOnlyWhileLookingForCallers) {
  ShowTab(kTabPrograms);
  std::vector<QString> captions;
  QObject::connect(doc->ProgramCallsProgress(), &ProgressWindow::started,
                   [&](const QString& caption) { captions.push_back(caption); });
  PickBank(doc->cboPrgBnk, 2);
  ASSERT_EQ(captions.size(), 1u);
  EXPECT_EQ(captions[0], "Checking Program Calls...");
  EXPECT_EQ(doc->ProgramCallsProgress()->Note()->text(),
            "If this delay is intolerable, you can disable the'Highlight called Items' checkbox in 'Options' menu");
  EXPECT_FALSE(doc->ProgramCallsProgress()->isVisible());
  EXPECT_EQ(doc->ProgramCallsProgress()->Value(), 64);

  h.Ws().prefs.highCall = 0;
  PickBank(doc->cboPrgBnk, 3);
  EXPECT_EQ(captions.size(), 1u);
  EXPECT_EQ(doc->grdPrg->CellColour(0, 0), Rgb(0, 0, 0));
}

TEST_F(ProgramGrid, NamesAreShownThroughWindows1252) {
  h.Ws().Stores(1).programs.records[1].SetName("KORG (\x96)");
  ShowTab(kTabPrograms);
  EXPECT_EQ(doc->grdPrg->CellText(0, 1), QString::fromUtf8("D12 KORG (\u2013)  "));
}

TEST_F(SequenceLists, BackingSequencesAndTheirFigures) {
  ShowTab(kTabBackingSequences);
  ASSERT_EQ(doc->lstBsq->count(), 10);
  EXPECT_EQ(doc->lstBsq->item(0)->text(), "BSeq 0: Intro Demo       :  256");
  EXPECT_EQ(doc->lstBsq->item(2)->text(), "BSeq 2: Long Demo        : 4944");
  EXPECT_EQ(doc->lstBsq->item(9)->text(), QString::fromStdString("BSeq 9: " + kBlank16 + " :    0"));
  EXPECT_EQ(doc->lstBsq->currentRow(), 0);
  EXPECT_TRUE(QFontInfo(doc->lstBsq->font()).fixedPitch());
  const char* const figures[] = {"BackSeqs: 5872", "Songs: 7716", "Patterns: 720", "Total: 14308", "Free: 51228"};
  for (int k = 0; k < 5; ++k) EXPECT_EQ(doc->lblEvCnt[static_cast<std::size_t>(k)]->text(), figures[k]);
  EXPECT_EQ(doc->lblBsqEvents->text(), "Events");
}

TEST_F(SequenceLists, SongsFillTheirLabelsFromNineDownAndShowANegativeFree) {
  // 16386 blocks in use: two more than the memory holds.
  h.Ws().Stores(1).songs.itemSizes[5] = 12809;
  ShowTab(kTabSongs);
  EXPECT_EQ(doc->lstSng->item(0)->text(), "Song 0: Demo Song        :  612");
  EXPECT_EQ(doc->lstSng->item(5)->text(), QString::fromStdString("Song 5: " + kBlank16 + " :51236"));
  EXPECT_EQ(doc->lblEvCnt[9]->text(), "BackSeqs: 5872");
  EXPECT_EQ(doc->lblEvCnt[8]->text(), "Songs: 58952");
  EXPECT_EQ(doc->lblEvCnt[7]->text(), "Patterns: 720");
  EXPECT_EQ(doc->lblEvCnt[6]->text(), "Total: 65544");
  EXPECT_EQ(doc->lblEvCnt[5]->text(), "Free: -8");
  // The backing-sequence labels keep their captions until their tab is shown.
  EXPECT_EQ(doc->lblEvCnt[0]->text(), "Bsq");
}

TEST_F(SequenceLists, EachWindowShowsItsOwnSetsFigures) {
  h.ui.ChooseFile(h.folder.DemoSet() + ".ARR").Answer(MsgResult::Ok);
  doc->Menus().fOpen->trigger();
  DocumentWindow* second = h.App().Documents().Window(2);
  ASSERT_NE(second, nullptr);
  h.Ws().Stores(2).backingSequences.itemSizes[3] = 100;
  second->SelectTab(kTabBackingSequences);
  ShowTab(kTabBackingSequences);
  EXPECT_EQ(doc->lblEvCnt[0]->text(), "BackSeqs: 5872");
  EXPECT_EQ(second->lblEvCnt[0]->text(), "BackSeqs: 6272");
}

}  // namespace
}  // namespace tolvane::test
