// The Library window over a folder of two Sets and one that cannot be read:
// the filter, a double click that opens the item, and a row dropped on an
// open Set whose calls are found there by name.

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <memory>

#include "demo_window.h"
#include "editing/drag_drop.h"
#include "library/compare_window.h"
#include "library/library_model.h"
#include "library/library_window.h"
#include "storage/tables.h"
#include "styles/style_accessors.h"

namespace tolvane::test {
namespace {

constexpr int kU41 = kFirstUserStyleNumber + 12, kU43 = kU41 + 2;

void CopySet(const QString& from, const QString& to) {
  for (const char* ext : {".ARR", ".STY", ".PCG", ".BSQ", ".SNG"}) QFile::copy(from + ext, to + ext);
}

TEST_F(DemoWindowTest, LibraryFindsOpensAndDropsItemsOfAFolder) {
  const QString folder = h.Folder() + "/collection";
  QDir().mkpath(folder);
  CopySet(h.Folder() + "/DEMO/DEMO", folder + "/SETA");
  CopySet(h.Folder() + "/I3EMPTY/I3EMPTY", folder + "/SETB");
  for (const char* ext : {".ARR", ".STY", ".PCG", ".BSQ", ".SNG"}) {
    QFile junk(folder + "/BROKEN" + ext);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a Set file");
  }
  h.App().Main()->ShowLibrary();
  LibraryWindow* lib = h.App().Main()->Library();
  ASSERT_NE(lib, nullptr);
  QSignalSpy scanned(lib, &LibraryWindow::scanned);
  lib->AddPlace(folder.toStdString());
  ASSERT_TRUE(scanned.wait(20000));
  EXPECT_EQ(h.settings.values["LibraryPlaces"], folder.toStdString());
  ASSERT_EQ(lib->Current().sets.size(), 3u);
  ASSERT_EQ(lib->grdUnreadable->rowCount(), 1);
  EXPECT_EQ(lib->grdUnreadable->item(0, 0)->text().toStdString(), "BROKEN");
  EXPECT_EQ(lib->grdUnreadable->item(0, 1)->text(), folder + "/BROKEN.ARR is not a valid file");

  QTest::keyClicks(lib->txtFilter, "DISC");
  ASSERT_EQ(lib->Model()->rowCount(), 2);  // A31 and U41 of SETA, sorted by kind
  EXPECT_EQ(lib->Model()->index(1, LibraryModel::kLabelColumn).data().toString().toStdString(), "U41");
  EXPECT_EQ(lib->Model()->index(0, LibraryModel::kStyleColumn).data().toString().toStdString(), "U41 Disco");
  const QRect row = lib->grdItems->visualRect(lib->Model()->index(1, LibraryModel::kNameColumn));
  const auto doubleClick = [&] {  // a view takes a double click on the row it was pressed on
    QTest::mouseClick(lib->grdItems->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(lib->grdItems->viewport(), Qt::LeftButton, {}, row.center());
  };
  doubleClick();
  DocumentWindow* seta = h.App().Documents().Window(2);
  ASSERT_NE(seta, nullptr);
  EXPECT_EQ(seta->tabMode->currentIndex(), kTabStyles);
  EXPECT_EQ(seta->cboStyBnk->currentIndex(), SplitStyleNumber(kU41).first);
  EXPECT_EQ(h.Ws().Slot(2).gridTags[1], kU41);
  doubleClick();
  EXPECT_FALSE(h.Ws().InUse(3));  // brought forward, not opened again

  // DEMO's Disco Style moves to U43; SETA's Disco Arrangement dropped on A33
  // must call it there.
  ASSERT_TRUE(BeginDrag(h.Ws(), 1, kStyle, kU41));
  ASSERT_EQ(DropItem(h.Ws(), h.Ws().edits.drag, 1, kStyle, kU43), DropResult::Moved);
  ShowTab(kTabArrangements);
  std::unique_ptr<QMimeData> mime(lib->Model()->mimeData({lib->Model()->index(0, 0)}));
  const QPoint at = doc->grdArr->visualRect(doc->grdArr->model()->index(4, 2)).center();  // A33
  const auto dropRow = [&] {  // through the grid's own drop handler
    QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(doc->grdArr->viewport(), &enter);
    QDropEvent drop(QPointF(at), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(doc->grdArr->viewport(), &drop);
    return drop.isAccepted();
  };
  h.ui.Answer(MsgResult::Ok);  // the target's duplicate-name check, as after any drop
  ASSERT_TRUE(dropRow());
  ASSERT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.ui.messages[0].text, "Arrangement duplicate name\r\nA33 - A31  (Disco)");
  const auto& arrangements = h.Ws().Stores(1).arrangements.records;
  EXPECT_EQ(arrangements[18].Name(), "Disco     ");
  EXPECT_EQ(arrangements[18].StyleNumber(), kU43);
  EXPECT_EQ(Text(doc->grdArr, 4, 2).substr(0, 9), "A33 Disco");
  EXPECT_FALSE(h.Ws().InUse(3));  // the Set read for the drop is released
  ASSERT_TRUE(doc->Menus().eUndo->isEnabled());
  doc->Menus().eUndo->trigger();
  EXPECT_EQ(arrangements[18].Name(), std::string(10, ' '));
  // SETA's Arrangements replaced on disk since the scan: the row is refused.
  QFile::remove(folder + "/SETA.ARR");
  QFile::copy(folder + "/SETB.ARR", folder + "/SETA.ARR");
  h.ui.Answer(MsgResult::Ok);
  dropRow();
  EXPECT_EQ(h.ui.messages.back().text, "This Arrangement has changed in " + folder.toStdString() +
                                           "/SETA since the Library read it.\r\nRefresh the Library and drag it again.");
  EXPECT_EQ(arrangements[18].Name(), std::string(10, ' '));
  EXPECT_FALSE(h.Ws().InUse(3));

  // Compare with...: the other open Set chosen from the list.
  h.ui.Choose(0);
  doc->Menus().uCompare->trigger();
  EXPECT_EQ(h.log.back(), "list Compare with|Compare DEMO with:|SETA|A Set on disk...");
  auto* compare = h.App().Main()->findChild<CompareWindow*>();
  ASSERT_NE(compare, nullptr);
  EXPECT_EQ(compare->txtCompare->toPlainText().toStdString(),
            "Arrangement A31 \"Disco\" differs: style\nStyle U43 \"Disco\" moved to U41");
  EXPECT_EQ(h.ui.unexpected, 0);
}

}  // namespace
}  // namespace tolvane::test
