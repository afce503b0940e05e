// Tiled and cascaded windows of one to four Sets stay inside the workspace of
// the small screens the editor is made for, and a refill keeps the size they
// were given: their grids scroll instead.

#include <QScrollBar>

#include "demo_window.h"

namespace tolvane::test {
namespace {

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

}  // namespace
}  // namespace tolvane::test
