#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "demo_window.h"
#include "shell/main_window.h"
#include "storage/workspace.h"

namespace tolvane::test {
namespace {

using ClosingAWindow = DemoWindowTest;
using OpeningAndSaving = DemoWindowTest;

int OpenWindows(AppHarness& h) { return static_cast<int>(h.App().Main()->Area()->subWindowList().size()); }

TEST_F(ClosingAWindow, AnUnchangedSetClosesWithoutAQuestion) {
  doc->Menus().fClose->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(h.ui.messages.empty());
  EXPECT_FALSE(h.Ws().InUse(1));
  EXPECT_EQ(h.Ws().prefs.oldSetNam, h.folder.DemoSet());
  EXPECT_EQ(OpenWindows(h), 0);
}

TEST_F(ClosingAWindow, AModifiedSetAsksFirst) {
  h.Ws().MarkModified(1, 3);
  h.ui.Answer(MsgResult::Cancel);
  doc->Menus().fClose->trigger();
  ASSERT_EQ(h.ui.messages.size(), 1u);
  const MessageRequest& q = h.ui.messages[0];
  EXPECT_EQ(q.text, "Save the changes in DEMO ?");
  EXPECT_EQ(q.title, "DEMO");
  EXPECT_EQ(q.icon, MsgIcon::Exclamation);
  EXPECT_EQ(q.buttons, MsgButtons::YesNoCancel);
  EXPECT_EQ(q.defaultButton, MsgResult::Cancel);
  EXPECT_TRUE(h.Ws().InUse(1));
  EXPECT_EQ(OpenWindows(h), 1);

  h.ui.Answer(MsgResult::No);
  doc->Menus().fClose->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(h.Ws().InUse(1));
  EXPECT_EQ(OpenWindows(h), 0);
}

TEST_F(ClosingAWindow, YesSavesTheModifiedKindsThenCloses) {
  const QString sng = h.folder.Path() + "/DEMO/DEMO.SNG";
  const QString arr = h.folder.Path() + "/DEMO/DEMO.ARR";
  QFile(sng).resize(100);  // only a rewrite can make it whole again
  QFile(arr).resize(100);
  h.Ws().MarkModified(1, 4);
  h.ui.Answer(MsgResult::Yes);
  doc->Menus().fClose->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(h.Ws().InUse(1));
  EXPECT_GT(QFileInfo(sng).size(), 100);
  EXPECT_EQ(QFileInfo(arr).size(), 100);
  EXPECT_EQ(h.ui.unexpected, 0);
}

TEST_F(OpeningAndSaving, ASetOpenedTwiceUnderOneName) {
  h.ui.ChooseFile(h.folder.DemoSet() + ".PCG").Answer(MsgResult::Cancel);
  doc->Menus().fOpen->trigger();
  ASSERT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.ui.messages[0].text, "Name DEMO is already in use.\r\nContinue anyway?");
  EXPECT_EQ(h.ui.messages[0].title, "Warning");
  EXPECT_EQ(OpenWindows(h), 1);

  h.ui.ChooseFile(h.folder.DemoSet() + ".PCG").Answer(MsgResult::Ok);
  doc->Menus().fOpen->trigger();
  ASSERT_EQ(OpenWindows(h), 2);
  DocumentWindow* second = h.App().Documents().Window(2);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->windowTitle(), "DEMO");
  EXPECT_EQ(doc->windowTitle(), "DEMO");
  EXPECT_EQ(second->SubWindow()->windowIcon().cacheKey(), second->windowIcon().cacheKey());
}

TEST_F(OpeningAndSaving, NewSetsAreModifiedAndNamedByTheirNumber) {
  doc->Menus().fNew->trigger();
  DocumentWindow* fresh = h.App().Documents().Window(2);
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(fresh->windowTitle(), "NEWSET02");
  EXPECT_EQ(h.ui.progressCaptions.back(), "Loading I3EMPTY Files...");
  EXPECT_EQ(fresh->Menus().eUndo->text(), "Can't Undo");
  h.ui.Answer(MsgResult::No);
  fresh->Menus().fClose->trigger();
  QApplication::processEvents();
  EXPECT_EQ(h.ui.messages.back().text, "Save the changes in NEWSET02 ?");
  EXPECT_EQ(h.Ws().prefs.oldSetNam, h.folder.DemoSet());  // a never-saved Set is not remembered
}

TEST_F(OpeningAndSaving, SaveAsRenamesTheWindow) {
  const std::string target = h.folder.Path().toStdString() + "/Copy.xxx";
  h.ui.ChooseFile(target);
  doc->Menus().fSaveAs->trigger();
  EXPECT_EQ(doc->windowTitle(), "COPY");
  EXPECT_TRUE(QFileInfo::exists(h.folder.Path() + "/COPY.STY"));
  EXPECT_EQ(h.ui.unexpected, 0);

  h.ui.ChooseFile(target).Answer(MsgResult::Cancel);
  doc->Menus().fSaveAs->trigger();
  EXPECT_EQ(h.ui.messages.back().text, "This Set already exists.\r\nOverwrite it?");
  EXPECT_EQ(doc->windowTitle(), "COPY");
}

TEST_F(OpeningAndSaving, ExitFromADocumentWindowEndsTheRun) {
  h.Ws().MarkModified(1, 0);
  h.ui.Answer(MsgResult::Cancel);
  doc->Menus().fExit->trigger();
  EXPECT_FALSE(h.App().Main()->RunEnded());
  EXPECT_TRUE(h.settings.writes.empty());
  h.ui.Answer(MsgResult::No);
  doc->Menus().fExit->trigger();
  EXPECT_TRUE(h.App().Main()->RunEnded());
  EXPECT_FALSE(h.settings.writes.empty());
}

}  // namespace
}  // namespace tolvane::test
