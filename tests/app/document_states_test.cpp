// What a document window shows of its Set's state: the caption's modified
// mark, the status after a save, the Window menu's Sets, the Edit entries
// that depend on the records, and the colours after a redirection.

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

#include "demo_window.h"

namespace tolvane::test {
namespace {

class DocumentStates : public DemoWindowTest {
 protected:
  void SetUp() override {
    DemoWindowTest::SetUp();
    m = &doc->Menus();
  }
  void Cut(int tab, int row, int column) {
    ShowTab(tab);
    (tab == kTabArrangements ? doc->grdArr : doc->grdPrg)->setCurrentCell(row, column);
    m->eCut->trigger();
  }
  QString Undo() const { return m->eUndo->text() + (m->eUndo->isEnabled() ? "" : " (off)"); }
  QString Status() { return h.App().Main()->statusBar()->currentMessage(); }
  DocumentMenus* m = nullptr;
};

TEST_F(DocumentStates, TheCaptionIsMarkedWhileTheSetIsModifiedAndTheStatusSaysWhatWasSaved) {
  EXPECT_EQ(doc->windowTitle(), "DEMO[*]");
  EXPECT_FALSE(doc->SubWindow()->isWindowModified());
  Cut(kTabArrangements, 0, 1);  // A12, called by nobody
  EXPECT_TRUE(doc->SubWindow()->isWindowModified());
  m->fSave->trigger();
  EXPECT_FALSE(doc->SubWindow()->isWindowModified());
  EXPECT_EQ(Status(), "Saved DEMO: Arrangements");
  m->eUndo->trigger();
  Cut(kTabPrograms, 2, 0);  // D21, called by nobody
  m->fSave->trigger();
  EXPECT_EQ(Status(), "Saved DEMO: Arrangements, Programs");
  m->fSave->trigger();
  EXPECT_EQ(Status(), "No changes to save in DEMO");
}

TEST_F(DocumentStates, UndoIsOfferedOnlyForTheShownKindAndKeepsTheOtherKindsRecords) {
  Cut(kTabPrograms, 2, 0);
  PickBank(doc->cboPrgBnk, 0);  // a preset: off, the caption as it was
  EXPECT_EQ(Undo(), "&Undo (off)");
  Cut(kTabArrangements, 0, 1);
  ShowTab(kTabStyles);
  doc->grdSty->setCurrentCell(0, 2);  // U13
  EXPECT_EQ(Undo(), "Can't Undo (off)");
  ShowTab(kTabArrangements);
  m->eUndo->trigger();
  EXPECT_EQ(Text(doc->grdArr, 0, 1).substr(0, 14), "A12 Rock 8Beat");
  EXPECT_EQ(Undo(), "Can't Undo (off)");
  ShowTab(kTabPrograms);
  PickBank(doc->cboPrgBnk, 3);
  EXPECT_EQ(Undo(), "&Undo");  // the Program cut can still be taken back
}

TEST_F(DocumentStates, CutPasteAndTheWindowMenuFollowThePlaceTheClipboardAndTheOpenSets) {
  ShowTab(kTabArrangements);
  EXPECT_FALSE(doc->cmdArg->isEnabled());  // it has no action on any tab
  doc->grdArr->setCurrentCell(1, 2);  // A17, empty
  EXPECT_EQ(std::vector({m->eCut->isEnabled(), m->eCopy->isEnabled(), m->ePaste->isEnabled()}),
            std::vector({false, true, false}));
  doc->grdArr->setCurrentCell(0, 1);
  m->eCopy->trigger();
  EXPECT_TRUE(m->ePaste->isEnabled());

  DocumentWindow* second = OpenDemoAgain(2);
  ASSERT_NE(second, nullptr);
  emit second->Menus().window->aboutToShow();
  QStringList sets;
  for (QAction* a : second->Menus().wSets) sets << a->text() + (a->isChecked() ? "*" : "");
  const QString folder = h.Folder() + "/DEMO";
  EXPECT_EQ(sets, (QStringList{"", "&1 DEMO in " + folder, "&2 DEMO in " + folder + "*"}));
  second->SelectTab(kTabArrangements);
  EXPECT_TRUE(second->Menus().ePaste->isEnabled());
  doc->SubWindow()->close();  // the clipboard's Set goes
  EXPECT_FALSE(second->Menus().ePaste->isEnabled());
}

TEST_F(DocumentStates, CallersRedirectedByAPasteColourTheirNewItemAtOnce) {
  ShowTab(kTabArrangements);
  doc->grdArr->setCurrentCell(0, 1);
  m->eCopy->trigger();
  doc->grdArr->setCurrentCell(0, 3);  // A14, called by a Backing Sequence
  h.ui.Answer(MsgResult::Yes).Select(2).Answer(MsgResult::Ok);  // its callers go to A13
  m->ePaste->trigger();
  EXPECT_EQ(doc->grdArr->CellColour(0, 2), kCalled);
  EXPECT_EQ(h.ui.unexpected, 0);
}

}  // namespace
}  // namespace tolvane::test
