#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "demo_window.h"
#include "params/arrangement_params_dialog.h"
#include "params/details.h"
#include "storage/tables.h"

namespace tolvane::test {
namespace {

using ParamsDialogs = DemoWindowTest;

TEST_F(ParamsDialogs, OkOnTheArrangementDialogRenamesAndRedrawsTheGrid) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<ArrangementParamsDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    shown = true;
    EXPECT_EQ(dialog->windowTitle(), "Arrangement A11 in DEMO");
    dialog->txtNam->selectAll();
    QTest::keyClicks(dialog->txtNam, "  Slow Ballads");
    EXPECT_EQ(dialog->txtNam->text(), "Slow Balla");
    dialog->cmdOK->click();
  });
  ShowItemDetails(doc, h.Ws(), 1, kArrangement, 0);
  EXPECT_TRUE(shown);
  EXPECT_EQ(h.Ws().Stores(1).arrangements.records[0].Name(), "Slow Balla");
  EXPECT_EQ(h.Ws().Slot(1).modified[kArrangement], 1);
  EXPECT_EQ(Text(doc->grdArr, 0, 0).substr(0, 14), "A11 Slow Balla");
}

}  // namespace
}  // namespace tolvane::test
