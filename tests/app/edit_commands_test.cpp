// The Edit menu of a document window carries out its commands on the item
// current in the tab shown.

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QMimeData>

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

TEST_F(EditCommandsTest, CopyPasteAndUndoOnTheArrangementsTab) {
  ShowTab(kTabArrangements);
  const ArrangementRecord original = Arrangement(6);
  doc->grdArr->setCurrentCell(0, 0);  // A11 Pop Ballad
  doc->Menus().eCopy->trigger();
  doc->grdArr->setCurrentCell(1, 2);  // A17, empty
  doc->Menus().ePaste->trigger();

  EXPECT_EQ(Arrangement(6).bytes, Arrangement(0).bytes);
  EXPECT_EQ(h.Ws().Slot(1).modified[kArrangement], 1);
  EXPECT_EQ(Text(doc->grdArr, 1, 2).substr(0, 14), "A17 Pop Ballad");
  EXPECT_TRUE(doc->Menus().eUndo->isEnabled());
  EXPECT_EQ(doc->Menus().eUndo->text().toStdString(), "&Undo");

  doc->Menus().eUndo->trigger();
  EXPECT_EQ(Arrangement(6).bytes, original.bytes);
  EXPECT_FALSE(doc->Menus().eUndo->isEnabled());
  EXPECT_EQ(doc->Menus().eUndo->text().toStdString(), "Can't Undo");
}

TEST_F(EditCommandsTest, CutOnTheProgramsTabAsksAboutItsCallers) {
  ShowTab(kTabPrograms);
  PickBank(doc->cboPrgBnk, 3);
  doc->grdPrg->setCurrentCell(0, 0);  // D11 Grand Pno, called by A11
  h.ui.Answer(MsgResult::Cancel);
  doc->Menus().eCut->trigger();
  ASSERT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.ui.messages[0].text,
            "Program 'Grand Pno' is referenced by one or more\r\nArrangements, Styles, Backing Sequences, etc.\r\n\r\n"
            "Redirect them to another Program?");
  EXPECT_EQ(h.Ws().Stores(1).programs.records[0].Name(), "Grand Pno ");
}

// A drag entering the grid and dropped, as Qt delivers them: an item of the
// grid's kind lands on the cell under the pointer, another kind is refused.
bool DropOn(BankGrid* grid, int row, int column, int kind, long long process = ThisProcess()) {
  std::unique_ptr<QMimeData> owned(MakeDragMime(1, kind, 0, process));
  QMimeData& mime = *owned;
  const QRect cell = grid->visualRect(grid->model()->index(row, column));
  QDragEnterEvent enter(cell.center(), Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &enter);
  QDropEvent drop(QPointF(cell.center()), Qt::MoveAction | Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &drop);
  return drop.isAccepted();
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

}  // namespace
}  // namespace tolvane::test
