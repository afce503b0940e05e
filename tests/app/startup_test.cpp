#include <QDir>
#include <QFile>

#include "demo_window.h"

namespace tolvane::test {
namespace {

const std::string kScreenWarning =
    "For a correct display, the screen resolution should be at least 800x600 pixels!\r\nContinue anyway?\r\n";
const std::string kOpenTitle = "Select a Korg-i3 Set";

TEST(StartUp, BelowA800x600ScreenNoEndsBeforeAnythingElse) {
  // Every other test starts on an 800x600 screen, where nothing is asked.
  AppHarness h;
  h.ui.Answer(MsgResult::No);
  EXPECT_FALSE(h.Start(false, QSize(800, 599)));
  EXPECT_EQ(h.log, (EventLog{"message Warning|" + kScreenWarning}));
  EXPECT_EQ(h.ui.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(h.ui.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_TRUE(h.settings.writes.empty());
  EXPECT_FALSE(h.App().Main()->isVisible());
}

TEST(StartUp, WithNoStoredPreferencesShowsAboutTipsThenTheOpenDialog) {
  AppHarness h;
  h.dialogs.tipsBoxAfter = 0;
  h.ui.ChooseFile("");  // cancelled: the program runs on with no Set
  ASSERT_TRUE(h.Start(false));
  EXPECT_EQ(h.log, (EventLog{"about", "tips", "file " + kOpenTitle}));
  EXPECT_EQ(h.ui.fileDialogs.at(0).initialFolder, h.Folder().toStdString());
  EXPECT_EQ(QDir::currentPath(), QDir(h.Folder()).canonicalPath());

  MainWindow* main = h.App().Main();
  EXPECT_TRUE(main->isVisible());
  EXPECT_TRUE(main->isMaximized());
  EXPECT_TRUE(main->Area()->subWindowList().isEmpty());
  EXPECT_EQ(h.ui.unexpected, 0);

  // The tip dialog's box goes back into the preference written at the end.
  EXPECT_TRUE(h.settings.writes.empty());
  main->mnuFExit->trigger();
  EXPECT_TRUE(main->RunEnded());
  ASSERT_EQ(h.settings.writes.size(), 8u);
  EXPECT_EQ(h.settings.writes[4], (std::pair<std::string, std::string>{"Show Tips at Startup", "0"}));
}

TEST(StartUp, StartOldWithAnEmptyOldSetShowsTheOpenDialog) {
  AppHarness h;
  h.settings.values = {{"StartOld", "1"}, {"OldSetNam", ""}, {"Show Tips at Startup", "0"}};
  h.ui.ChooseFile(h.DemoSet() + ".STY");
  ASSERT_TRUE(h.Start(false));
  EXPECT_EQ(h.log, (EventLog{"about", "file " + kOpenTitle}));
  DocumentWindow* doc = h.App().Documents().Window(1);
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->windowTitle(), "DEMO[*]");  // the place of the modified mark
  EXPECT_EQ(h.Ws().prefs.pathNam, (h.Folder() + "/DEMO").toStdString());
}

TEST(StartUp, AMissingDataFileEndsTheProgram) {
  const struct {
    const char* file;
    std::size_t messages;
    std::string lastMessage;
  } cases[] = {{"I3PRSTS.TXT", 1, "Error getting Preset names from file I3PRSTS.TXT\r\nEnding program!"},
               {"I3EMPTY/I3EMPTY.STY", 2, "Error getting Style data.\r\n"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    AppHarness h;
    QFile::remove(h.Folder() + "/" + c.file);
    h.ui.Answer(MsgResult::Ok).Answer(MsgResult::Ok);
    EXPECT_FALSE(h.Start(false));
    ASSERT_EQ(h.ui.messages.size(), c.messages);
    EXPECT_EQ(h.ui.messages.back().text, c.lastMessage);
    EXPECT_EQ(h.ui.messages.back().title, "Error");
    EXPECT_FALSE(h.App().Main()->isVisible());
    EXPECT_TRUE(h.settings.writes.empty());
  }
}

}  // namespace
}  // namespace tolvane::test
