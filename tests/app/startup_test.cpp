#include <QDir>
#include <QMdiArea>

#include <gtest/gtest.h>

#include "app_harness.h"
#include "document/document_window.h"
#include "document/document_windows.h"
#include "shell/main_window.h"

namespace tolvane::test {
namespace {

const std::string kScreenWarning =
    "For a correct display, the screen resolution\r\nshould be at least 800x600 pixels!\r\nContinue anyway?\r\n";
const std::string kOpenTitle = "Select a Korg-i3 Set";

TEST(ScreenCheck, AsksBelow800x600Only) {
  EventLog log;
  RecordingUi ui(log);
  EXPECT_TRUE(ScreenCheck(ui, QSize(800, 600)));
  EXPECT_TRUE(ui.messages.empty());

  ui.Answer(MsgResult::Yes).Answer(MsgResult::No);
  EXPECT_TRUE(ScreenCheck(ui, QSize(799, 600)));
  EXPECT_FALSE(ScreenCheck(ui, QSize(800, 599)));
  ASSERT_EQ(ui.messages.size(), 2u);
  const MessageRequest& m = ui.messages[0];
  EXPECT_EQ(m.text, kScreenWarning);
  EXPECT_EQ(m.title, "Warning");
  EXPECT_EQ(m.icon, MsgIcon::Exclamation);
  EXPECT_EQ(m.buttons, MsgButtons::YesNo);
}

TEST(StartUp, NoOnTheScreenWarningEndsBeforeAnythingElse) {
  AppHarness h;
  h.ui.Answer(MsgResult::No);
  EXPECT_FALSE(h.Start(false, QSize(640, 480)));
  EXPECT_EQ(h.log, (EventLog{"message Warning|" + kScreenWarning}));
  EXPECT_TRUE(h.settings.writes.empty());
  EXPECT_FALSE(h.App().Main()->isVisible());
}

TEST(StartUp, WithNoStoredPreferencesShowsAboutTipsThenTheOpenDialog) {
  AppHarness h;
  h.ui.ChooseFile("");  // cancelled: the program runs on with no Set
  ASSERT_TRUE(h.Start(false));
  EXPECT_EQ(h.log, (EventLog{"about", "tips", "file " + kOpenTitle}));
  ASSERT_EQ(h.ui.fileDialogs.size(), 1u);
  const FileDialogRequest& dialog = h.ui.fileDialogs[0];
  EXPECT_EQ(dialog.initialFolder, h.folder.Path().toStdString());
  EXPECT_TRUE(dialog.fileMustExist);
  EXPECT_EQ(dialog.initialName, "*.*");
  EXPECT_EQ(QDir::currentPath(), QDir(h.folder.Path()).canonicalPath());

  MainWindow* main = h.App().Main();
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(main->isMaximized());
  EXPECT_EQ(main->windowTitle(), "Korg-Tolvane");
  EXPECT_EQ(main->mnuHAbout->text(), "About Korg-Tolvane...");
  EXPECT_EQ(h.Ws().SlotCount(), 1);
  EXPECT_TRUE(h.Ws().Slot(1).free);
  EXPECT_TRUE(main->Area()->subWindowList().isEmpty());
  EXPECT_EQ(h.ui.unexpected, 0);
}

TEST(StartUp, StartOldWithAnEmptyOldSetShowsTheOpenDialog) {
  AppHarness h;
  h.settings.values["StartOld"] = "1";
  h.settings.values["OldSetNam"] = "";
  h.settings.values["Show Tips at Startup"] = "0";
  h.ui.ChooseFile(h.folder.DemoSet() + ".STY");
  ASSERT_TRUE(h.Start(false));
  EXPECT_EQ(h.log, (EventLog{"about", "file " + kOpenTitle}));
  DocumentWindow* doc = h.App().Documents().Window(1);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->windowTitle(), "DEMO");
  EXPECT_EQ(h.Ws().prefs.pathNam, (h.folder.Path() + "/DEMO").toStdString());
}

TEST(StartUp, StartOldOpensTheLastSetWithoutADialog) {
  AppHarness h;
  ASSERT_TRUE(h.Start(true));
  EXPECT_EQ(h.log, (EventLog{"about"}));
  ASSERT_NE(h.App().Documents().Window(1), nullptr);
  EXPECT_EQ(h.ui.progressCaptions, (std::vector<std::string>{"Loading DEMO Files..."}));
  EXPECT_EQ(h.ui.busyDepth, 0);
}

TEST(StartUp, TheTipsBoxIsCopiedBackIntoThePreference) {
  AppHarness h;
  h.dialogs.tipsBoxAfter = 0;
  h.ui.ChooseFile("");
  ASSERT_TRUE(h.Start(false));
  EXPECT_EQ(h.Ws().prefs.showTips, 0);
}

TEST(StartUp, AMissingPresetNamesFileEndsTheProgram) {
  AppHarness h;
  h.folder.Remove("I3PRSTS.TXT");
  h.ui.Answer(MsgResult::Ok);
  EXPECT_FALSE(h.Start(false));
  ASSERT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.ui.messages[0].text, "Error getting Preset names from file I3PRSTS.TXT\r\nEnding program!");
  EXPECT_EQ(h.ui.messages[0].title, "Error");
  EXPECT_FALSE(h.App().Main()->isVisible());
  EXPECT_TRUE(h.settings.writes.empty());
}

TEST(StartUp, AMissingTemplateEndsTheProgram) {
  AppHarness h;
  h.folder.Remove("I3EMPTY/I3EMPTY.STY");
  h.ui.Answer(MsgResult::Ok).Answer(MsgResult::Ok);
  EXPECT_FALSE(h.Start(false));
  ASSERT_EQ(h.ui.messages.size(), 2u);
  EXPECT_EQ(h.ui.messages[1].text, "Error getting Style data.\r\n");
  EXPECT_TRUE(h.settings.writes.empty());
}

}  // namespace
}  // namespace tolvane::test
