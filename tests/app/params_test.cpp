#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "demo_window.h"
#include "params/arrangement_params_dialog.h"
#include "params/details.h"
#include "params/sequence_params_dialog.h"
#include "storage/tables.h"

namespace tolvane::test {
namespace {

using ParamsDialogs = DemoWindowTest;

TEST_F(ParamsDialogs, ArrangementBoxesTakeWhatTheirRulesAllowAndOkWritesAndRedraws) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<ArrangementParamsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QApplication::setActiveWindow(dialog);
    shown = true;
    QApplication::clipboard()->setText("\tPop\r\nSlow");
    dialog->txtNam->selectAll();
    dialog->txtNam->paste();
    EXPECT_EQ(dialog->txtNam->text(), "PopSlow");
    // A number is taken when typing ends; one out of range becomes the default.
    using C = ArrangementControl;
    for (auto [c, typed, expected] : {std::tuple{C::Tempo, "300", "120"}, {C::Tempo, "60", "60"}, {C::Transpose, "-12", "0"}}) {
      QSpinBox* box = dialog->numbers[static_cast<std::size_t>(c)];
      box->setFocus();
      box->selectAll();
      QTest::keyClicks(box, typed);
      QTest::keyClick(box, Qt::Key_Tab);
      EXPECT_EQ(box->text(), expected);
    }
    // Enter on the called Style chooses another one instead of "&OK".
    h.ui.Select(-1);
    QTest::keyClick(dialog->lblSty, Qt::Key_Return);
    EXPECT_EQ(h.log.back(), "select style Select a Style");
    EXPECT_TRUE(dialog->isVisible());
    dialog->cmdOK->click();
  });
  ShowItemDetails(doc, h.Ws(), 1, kArrangement, 0);
  EXPECT_TRUE(shown);
  EXPECT_EQ(h.Ws().Stores(1).arrangements.records[0].Name(), "PopSlow   ");
  EXPECT_EQ(h.Ws().Stores(1).arrangements.records[0].bytes[14], 30);
  EXPECT_EQ(Text(doc->grdArr, 0, 0).substr(0, 11), "A11 PopSlow");
}

TEST_F(ParamsDialogs, EnterOnATrackLineChoosesItsProgramAndTheNextBoxTakesOneDigit) {
  auto model = SequenceDetails::OpenSong(h.Ws(), 1, 1);
  SequenceParamsDialog dialog(*model);
  dialog.show();
  dialog.txtNxt->clear();
  QTest::keyClicks(dialog.txtNxt, "x12");
  EXPECT_EQ(dialog.txtNxt->text(), "1");
  EXPECT_EQ(model->NextText(), "1");
  dialog.lstPrg->setCurrentRow(1);
  h.ui.Select(330);
  QTest::keyClick(dialog.lstPrg, Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.lstPrg->item(1)->data(Qt::UserRole).toInt(), 330);
}

}  // namespace
}  // namespace tolvane::test
