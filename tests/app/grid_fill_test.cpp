#include <QFontInfo>

#include "demo_window.h"
#include "ui/progress_window.h"

namespace tolvane::test {
namespace {

const std::string kBlank16(16, ' ');

using ArrangementGrid = DemoWindowTest;
using StyleGrid = DemoWindowTest;
using ProgramGrid = DemoWindowTest;
using SequenceLists = DemoWindowTest;

TEST_F(ArrangementGrid, CellsShowTheStyleCalledAndMarkCalledArrangements) {
  BankGrid* g = doc->grdArr;
  ExpectCells(g, {{0, 0, "A11 Pop Ballad       (U23)U", kCalled},  // played by Backing Sequences 0 and 1
                  {0, 1, "A12 Rock 8Beat       (U11)U", kNotCalled},
                  {0, 3, "A14 Latin Mix        (P25)", kCalled},
                  {1, 2, "A17 " + kBlank16, kNotCalled},
                  {15, 3, "A88 " + kBlank16, {}}});
  EXPECT_EQ(Current(g), (Position{0, 0}));
  EXPECT_TRUE(QFontInfo(g->font()).fixedPitch());
}

TEST_F(ArrangementGrid, WithHighCallOffNamedUserItemsAreBlack) {
  h.Ws().prefs.highCall = 0;
  ShowTab(kTabStyles);
  ShowTab(kTabArrangements);
  EXPECT_EQ(Colours(doc->grdArr, {{0, 0}, {0, 1}, {1, 2}}), (std::vector{kBlack, kBlack, kNotCalled}));

  ShowTab(kTabStyles);  // U14 is empty
  EXPECT_EQ(Colours(doc->grdSty, {{0, 0}, {0, 3}}), (std::vector{kBlack, kNotCalled}));
  PickBank(doc->cboStyBnk, 0);  // preset Styles, called (P25) or not
  const QColor disabled = doc->palette().color(QPalette::Disabled, QPalette::WindowText);
  EXPECT_EQ(Colours(doc->grdSty, {{0, 0}, {3, 0}}), (std::vector{disabled, disabled}));

  ShowTab(kTabPrograms);
  EXPECT_EQ(doc->grdPrg->CellColour(0, 0), kBlack);
  PickBank(doc->cboPrgBnk, 0);  // A16 is called
  EXPECT_EQ(Colours(doc->grdPrg, {{1, 1}, {15, 3}}), (std::vector{disabled, disabled}));
}

TEST_F(StyleGrid, UserBankWithEventsAndFreeColumnThenThePresetBank) {
  ShowTab(kTabStyles);
  EXPECT_EQ(doc->cboStyBnk->currentIndex(), 1);
  BankGrid* g = doc->grdSty;
  EXPECT_EQ(g->rowCount(), 8);
  ExpectCells(g, {{0, 0, "U11 Rock Beat       :3200", kCalled},
                  {0, 2, "U13 Pop Shuffl      :950", kNotCalled},  // called by nobody
                  {0, 3, "U14 " + kBlank16 + ":0", {}},
                  {1, 2, "U23 Ballad          :4100", {}}});
  EXPECT_TRUE(doc->grdFreeS->isVisible());
  const char* const free[] = {"9250", "8500", "8600", "2100", "15200", "14400", "15200", "15200"};
  ASSERT_EQ(doc->grdFreeS->rowCount(), 8);
  for (int r = 0; r < 8; ++r) EXPECT_EQ(Text(doc->grdFreeS, r, 0), free[r]) << r;

  PickBank(doc->cboStyBnk, 0);
  EXPECT_EQ(g->rowCount(), 12);
  ExpectCells(g, {{0, 0, "P11 Style P11       ", kPresetNotCalled},
                  {3, 0, "P25 Style P25       ", kPresetCalled},  // played by A14
                  {11, 3, "P68 Style P68       ", {}}});
  EXPECT_FALSE(doc->grdFreeS->isVisible());
  EXPECT_EQ(h.Ws().Slot(1).gridTags[1], 0);
}

TEST_F(ProgramGrid, UserBankPresetsAndTwinView) {
  ShowTab(kTabPrograms);
  EXPECT_EQ(doc->cboPrgBnk->currentIndex(), 3);
  BankGrid* g = doc->grdPrg;
  EXPECT_EQ(g->rowCount(), 16);
  ExpectCells(g, {{0, 0, "D11 Grand Pno ", kCalled}, {2, 2, "D23           ", kNotCalled}});
  EXPECT_TRUE(doc->chkTwin[2]->isVisible());

  PickBank(doc->cboPrgBnk, 0);
  ExpectCells(g, {{1, 1, "A16 Prog A16  ", kPresetCalled}, {15, 3, "A88 Prog A88  ", kPresetNotCalled}});

  doc->chkTwin[2]->setChecked(true);
  EXPECT_EQ(g->rowCount(), 16);  // no effect before the next fill
  PickBank(doc->cboPrgBnk, 1);
  PickBank(doc->cboPrgBnk, 0);
  EXPECT_EQ(g->rowCount(), 32);
  ExpectCells(g, {{16, 0, "B11 Prog B11  ", {}}, {31, 3, "B88 Prog B88  ", {}}});
  // 32 rows do not fit an 800x600 screen: the grid scrolls, as wide as ever.
  EXPECT_EQ(g->width(), g->SizeForRows(32).width());
  EXPECT_LT(g->height(), g->SizeForRows(32).height());

  PickBank(doc->cboPrgBnk, 2);
  EXPECT_EQ(g->rowCount(), 16);
  EXPECT_FALSE(doc->chkTwin[2]->isVisible());
  PickBank(doc->cboPrgBnk, 4);
  EXPECT_EQ(g->rowCount(), 2);
  ExpectCells(g, {{0, 0, "Dr1 Drums Dr1 ", {}}, {1, 2, "Dr7 Demo Kit  ", {}}});
}

TEST_F(ProgramGrid, TheProgressWindowShowsOnlyWhileLookingForCallers) {
  ShowTab(kTabPrograms);
  std::vector<QString> captions;
  QObject::connect(doc->ProgramCallsProgress(), &ProgressWindow::started,
                   [&](const QString& caption) { captions.push_back(caption); });
  PickBank(doc->cboPrgBnk, 2);
  EXPECT_EQ(captions, std::vector<QString>{"Checking Program Calls..."});
  EXPECT_FALSE(doc->ProgramCallsProgress()->isVisible());
  EXPECT_EQ(doc->ProgramCallsProgress()->Value(), 64);

  h.Ws().prefs.highCall = 0;
  PickBank(doc->cboPrgBnk, 3);
  EXPECT_EQ(captions.size(), 1u);
}

QStringList Labels(DocumentWindow* doc, int first, int last) {
  QStringList out;
  for (int k = first; k != last; k += first < last ? 1 : -1) out << doc->lblEvCnt[static_cast<std::size_t>(k)]->text();
  return out;
}

TEST_F(SequenceLists, BackingSequencesAndTheirFigures) {
  ShowTab(kTabBackingSequences);
  ASSERT_EQ(doc->lstBsq->count(), 10);
  EXPECT_EQ(doc->lstBsq->item(0)->text(), "BSeq 0: Intro Demo       :  256");
  EXPECT_EQ(doc->lstBsq->item(2)->text(), "BSeq 2: Long Demo        : 4944");
  EXPECT_EQ(doc->lstBsq->item(9)->text(), QString::fromStdString("BSeq 9: " + kBlank16 + " :    0"));
  EXPECT_EQ(doc->lstBsq->currentRow(), 0);
  EXPECT_TRUE(QFontInfo(doc->lstBsq->font()).fixedPitch());
  EXPECT_EQ(Labels(doc, 0, 5),
            QStringList({"BackSeqs: 5872", "Songs: 7716", "Patterns: 720", "Total: 14308", "Free: 51228"}));
}

TEST_F(SequenceLists, SongsFillTheirLabelsFromNineDownAndShowANegativeFree) {
  // 16386 blocks in use: two more than the memory holds.
  h.Ws().Stores(1).songs.itemSizes[5] = 12809;
  ShowTab(kTabSongs);
  EXPECT_EQ(doc->lstSng->item(0)->text(), "Song 0: Demo Song        :  612");
  EXPECT_EQ(doc->lstSng->item(5)->text(), QString::fromStdString("Song 5: " + kBlank16 + " :51236"));
  EXPECT_EQ(Labels(doc, 9, 4),
            QStringList({"BackSeqs: 5872", "Songs: 58952", "Patterns: 720", "Total: 65544", "Free: -8"}));
  // The backing-sequence labels keep their captions until their tab is shown.
  EXPECT_EQ(doc->lblEvCnt[0]->text(), "Bsq");
}

TEST_F(SequenceLists, EachWindowShowsItsOwnSetsFigures) {
  DocumentWindow* second = OpenDemoAgain(2);
  ASSERT_NE(second, nullptr);
  h.Ws().Stores(2).backingSequences.itemSizes[3] = 100;
  second->SelectTab(kTabBackingSequences);
  ShowTab(kTabBackingSequences);
  EXPECT_EQ(doc->lblEvCnt[0]->text(), "BackSeqs: 5872");
  EXPECT_EQ(second->lblEvCnt[0]->text(), "BackSeqs: 6272");
}

}  // namespace
}  // namespace tolvane::test
