#include <QFile>
#include <QFileInfo>

#include "demo_window.h"

namespace tolvane::test {
namespace {

using ClosingAWindow = DemoWindowTest;
using OpeningAndSaving = DemoWindowTest;

int OpenWindows(AppHarness& h) { return static_cast<int>(h.App().Main()->Area()->subWindowList().size()); }

TEST_F(ClosingAWindow, AModifiedSetAsksAndClosesOnlyOnceSaved) {
  const QString sng = h.Folder() + "/DEMO/DEMO.SNG";
  h.Ws().MarkModified(1, 4);
  h.ui.Answer(MsgResult::Cancel);
  doc->Menus().fClose->trigger();
  EXPECT_EQ(h.log, (EventLog{"about", "message DEMO|Save the changes in DEMO ?"}));
  EXPECT_TRUE(h.Ws().InUse(1));

  // A save that fails keeps the window and its changes.
  QFile::setPermissions(sng, QFile::ReadOwner);
  h.ui.Answer(MsgResult::Yes).Answer(MsgResult::Ok);
  doc->Menus().fClose->trigger();
  EXPECT_EQ(h.ui.messages.back().text, "Error saving Song data.\r\nDestination file is Read-Only!");
  QApplication::processEvents();
  EXPECT_EQ(OpenWindows(h), 1);
  EXPECT_TRUE(h.Ws().InUse(1));
  EXPECT_EQ(h.Ws().Slot(1).modified[4], 1);

  QFile::setPermissions(sng, QFile::ReadOwner | QFile::WriteOwner);
  QFile(sng).resize(100);  // only a rewrite can make it whole again
  h.ui.Answer(MsgResult::Yes);
  doc->Menus().fClose->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(h.Ws().InUse(1));
  EXPECT_EQ(OpenWindows(h), 0);
  EXPECT_GT(QFileInfo(sng).size(), 100);
  EXPECT_EQ(h.ui.unexpected, 0);
}

TEST_F(OpeningAndSaving, SaveAsRenamesTheWindow) {
  const std::string target = h.Folder().toStdString() + "/Copy.xxx";
  h.ui.ChooseFile(target);
  doc->Menus().fSaveAs->trigger();
  EXPECT_EQ(doc->windowTitle(), "COPY[*]");
  EXPECT_TRUE(QFileInfo::exists(h.Folder() + "/COPY.STY"));
  EXPECT_EQ(h.ui.unexpected, 0);

  h.ui.ChooseFile(target).Answer(MsgResult::Cancel);
  doc->Menus().fSaveAs->trigger();
  EXPECT_EQ(h.ui.messages.back().text, "This Set already exists.\r\nOverwrite it?");
  EXPECT_EQ(doc->windowTitle(), "COPY[*]");
}

}  // namespace
}  // namespace tolvane::test
