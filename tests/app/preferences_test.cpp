#include <QMdiArea>
#include <QTabWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app_harness.h"
#include "document/document_window.h"
#include "document/document_windows.h"
#include "shell/main_window.h"

namespace tolvane::test {
namespace {

using Writes = std::vector<std::pair<std::string, std::string>>;

TEST(Preferences, DefaultsAndTheLeadingNumberRule) {
  MemorySettings store;
  Preferences p = ReadPreferences(store, "/opt/tolvane");
  EXPECT_EQ(p.pathNam, "/opt/tolvane");
  EXPECT_EQ(p.oldSetNam, "");
  EXPECT_EQ(p.wArrangeMode, 1);
  EXPECT_EQ(p.modeId, 0);
  EXPECT_EQ(p.showTips, 1);
  EXPECT_EQ(p.highCall, 1);
  EXPECT_EQ(p.warnDupl, 1);
  EXPECT_EQ(p.startOld, 0);

  store.values = {{"WArrangeMode", "cascade"}, {"ModeId", "3 tabs"}, {"HighCall", ""}, {"WarnDupl", "2.6"},
                  {"StartOld", "-1"}, {"PathNam", "/sets"}};
  p = ReadPreferences(store, "/opt/tolvane");
  EXPECT_EQ(p.wArrangeMode, 0);
  EXPECT_EQ(p.modeId, 3);
  EXPECT_EQ(p.highCall, 0);
  EXPECT_EQ(p.warnDupl, 3);
  EXPECT_EQ(p.startOld, -1);
  EXPECT_EQ(p.pathNam, "/sets");
}

TEST(Preferences, WrittenInOrderAsDecimalText) {
  MemorySettings store;
  Preferences p;
  p.pathNam = "/sets";
  p.oldSetNam = "/sets/MYSET";
  p.wArrangeMode = 0;
  p.modeId = 4;
  p.showTips = 0;
  p.highCall = 1;
  p.warnDupl = 0;
  p.startOld = 1;
  WritePreferences(store, p);
  EXPECT_EQ(store.writes, (Writes{{"PathNam", "/sets"},
                                  {"OldSetNam", "/sets/MYSET"},
                                  {"WArrangeMode", "0"},
                                  {"ModeId", "4"},
                                  {"Show Tips at Startup", "0"},
                                  {"HighCall", "1"},
                                  {"WarnDupl", "0"},
                                  {"StartOld", "1"}}));
}

TEST(Preferences, KeptInTheOptionsSectionOfASettingsFile) {
  QTemporaryDir dir;
  const QString ini = dir.path() + "/tolvane.ini";
  {
    auto store = QSettingsStore::AtFile(ini);
    Preferences p;
    p.oldSetNam = "/sets/ÄSET";
    p.modeId = 2;
    WritePreferences(*store, p);
  }
  auto store = QSettingsStore::AtFile(ini);
  EXPECT_EQ(store->Read("ModeId"), std::optional<std::string>("2"));
  EXPECT_EQ(store->Read("OldSetNam"), std::optional<std::string>("/sets/ÄSET"));
  EXPECT_EQ(store->Read("Show Tips at Startup"), std::optional<std::string>("1"));
  EXPECT_EQ(store->Read("Missing"), std::nullopt);
  QSettings raw(ini, QSettings::IniFormat);
  EXPECT_EQ(raw.value("Options/ModeId").toString(), "2");
}

TEST(EndOfRun, CancelOnTheSaveQuestionKeepsRunningAndWritesNothing) {
  AppHarness h;
  ASSERT_TRUE(h.Start());
  MainWindow* main = h.App().Main();
  h.App().Documents().Window(1)->SelectTab(kTabSongs);
  h.Ws().MarkModified(1, 2);

  h.ui.Answer(MsgResult::Cancel);
  EXPECT_FALSE(main->close());
  EXPECT_FALSE(main->RunEnded());
  EXPECT_TRUE(h.settings.writes.empty());
  EXPECT_TRUE(h.Ws().InUse(1));
  ASSERT_EQ(h.ui.messages.size(), 1u);
  EXPECT_EQ(h.ui.messages[0].text, "Save the changes in DEMO ?");

  h.ui.Answer(MsgResult::No);
  EXPECT_TRUE(main->close());
  EXPECT_TRUE(main->RunEnded());
  EXPECT_FALSE(h.Ws().InUse(1));
  ASSERT_EQ(h.settings.writes.size(), 8u);
  EXPECT_EQ(h.settings.writes[0], (std::pair<std::string, std::string>{"PathNam", h.folder.Path().toStdString() + "/DEMO"}));
  EXPECT_EQ(h.settings.writes[1], (std::pair<std::string, std::string>{"OldSetNam", h.folder.DemoSet()}));
  EXPECT_EQ(h.settings.writes[3], (std::pair<std::string, std::string>{"ModeId", "4"}));
  EXPECT_EQ(h.settings.writes[7], (std::pair<std::string, std::string>{"StartOld", "1"}));
}

TEST(EndOfRun, ExitWithNoSetOpenWritesThePreferences) {
  AppHarness h;
  h.ui.ChooseFile("");
  ASSERT_TRUE(h.Start(false));
  h.App().Main()->mnuFExit->trigger();
  EXPECT_TRUE(h.App().Main()->RunEnded());
  EXPECT_EQ(h.settings.writes.size(), 8u);
}

}  // namespace
}  // namespace tolvane::test
