// The Edit menu of a document window carries out its commands on the item
// current in the tab shown.

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <memory>

#include "demo_window.h"
#include "document/drag_payload.h"
#include "document/document_menus.h"
#include "editing/drag_drop.h"
#include "storage/tables.h"
#include "sets/workspace.h"

namespace tolvane::test {
namespace {

class EditCommandsTest : public DemoWindowTest {
 protected:
  const ArrangementRecord& Arrangement(int n) {
    return h.Ws().Stores(1).arrangements.records[static_cast<std::size_t>(n)];
  }
};

// A drag entering the grid and dropped, as Qt delivers them: an item of the
// grid's kind lands on the cell under the pointer, another kind is refused.
bool DropAt(QAbstractItemView* view, QPoint at, int kind, int sourceItem, long long process) {
  std::unique_ptr<QMimeData> mime(MakeDragMime(1, kind, sourceItem, process));
  QDragEnterEvent enter(at, Qt::MoveAction | Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &enter);
  QDropEvent drop(QPointF(at), Qt::MoveAction | Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view->viewport(), &drop);
  return drop.isAccepted();
}

// An item of Set 1 dragged onto a cell.
bool DropOn(BankGrid* grid, int row, int column, int kind, long long process = ThisProcess(), int sourceItem = 0) {
  return DropAt(grid, grid->visualRect(grid->model()->index(row, column)).center(), kind, sourceItem, process);
}

TEST_F(EditCommandsTest, DraggedArrangementMovesWithinItsSetAndItsCallersFollow) {
  ShowTab(kTabArrangements);
  const ArrangementRecord moved = Arrangement(0);
  ASSERT_TRUE(BeginDrag(h.Ws(), 1, kArrangement, 0));  // A11, called by BSeq 0 and 1
  EXPECT_FALSE(DropOn(doc->grdArr, 1, 2, kProgram));
  // The same Set and item dragged in another running editor means another item.
  EXPECT_FALSE(DropOn(doc->grdArr, 1, 2, kArrangement, ThisProcess() + 1));
  EXPECT_EQ(Arrangement(0).bytes, moved.bytes);

  ASSERT_TRUE(DropOn(doc->grdArr, 1, 2, kArrangement));  // onto A17
  EXPECT_EQ(Arrangement(6).bytes, moved.bytes);
  EXPECT_EQ(Arrangement(0).Name(), std::string(10, ' '));
  EXPECT_EQ(h.Ws().Stores(1).backingSequences.records[0].Arrangement(), 6);
  EXPECT_EQ(Text(doc->grdArr, 1, 2).substr(0, 14), "A17 Pop Ballad");
  EXPECT_TRUE(doc->Menus().eUndo->isEnabled());

  doc->Menus().eUndo->trigger();
  EXPECT_EQ(Arrangement(0).bytes, moved.bytes);
  EXPECT_EQ(h.Ws().Stores(1).backingSequences.records[0].Arrangement(), 0);
}

TEST_F(EditCommandsTest, KeysAndTheRightButtonReachTheEditCommands) {
  ShowTab(kTabArrangements);
  QApplication::setActiveWindow(h.App().Main());
  doc->grdArr->setCurrentCell(0, 1);  // A12 Rock 8Beat
  QTest::keyClick(doc->grdArr, Qt::Key_C, Qt::ControlModifier);
  doc->grdArr->setCurrentCell(1, 3);  // A18, empty
  QTest::keyClick(doc->grdArr, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Arrangement(7).bytes, Arrangement(1).bytes);
  QTest::keyClick(doc->grdArr, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Arrangement(7).Name(), std::string(10, ' '));
  doc->grdArr->setCurrentCell(0, 1);
  QTest::keyClick(doc->grdArr, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(h.ui.fileDialogs.size(), 1u);
  EXPECT_EQ(h.ui.fileDialogs[0].title, "Save one Arrangement to .IAF file...");

  const QRect a13 = doc->grdArr->visualRect(doc->grdArr->model()->index(0, 2));
  QTest::mousePress(doc->grdArr->viewport(), Qt::RightButton, {}, a13.center());
  EXPECT_EQ(QApplication::activePopupWidget(), static_cast<QWidget*>(doc->Menus().edit));
  EXPECT_EQ(h.Ws().Slot(1).gridTags[kArrangement], 2);
  doc->Menus().edit->close();
}

TEST_F(EditCommandsTest, ListDragWithinTheSetAsksBeforeMoving) {
  ShowTab(kTabBackingSequences);
  const auto& bsq = h.Ws().Stores(1).backingSequences.records;
  const BackingSequenceRecord moved = bsq[2];
  h.ui.Answer(MsgResult::Yes);
  ASSERT_TRUE(BeginDrag(h.Ws(), 1, kBackingSequence, 2));
  ASSERT_TRUE(DropAt(doc->lstBsq, QPoint(10, 2), kBackingSequence, 2, ThisProcess()));  // onto line 0
  ASSERT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.ui.messages[0].text, "Insert Backing Sequence 2 before 0 ?");
  EXPECT_EQ(bsq[0], moved);
  EXPECT_EQ(doc->lstBsq->currentRow(), 0);
}

}  // namespace
}  // namespace tolvane::test
