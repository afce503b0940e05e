#include <QTemporaryDir>

#include <tuple>

#include "demo_window.h"

namespace tolvane::test {
namespace {

using Entry = std::pair<std::string, std::string>;
using Writes = std::vector<Entry>;

TEST(Preferences, ReadByTheirLeadingNumberAndWrittenInOrderAsDecimalText) {
  const struct {
    std::map<std::string, std::string> stored;
    std::tuple<int, int, int, int, int, int> numbers;  // WArrangeMode ModeId Show Tips HighCall WarnDupl StartOld
    Writes written;
  } cases[] = {
      {{},
       {1, 0, 1, 1, 1, 0},
       {{"PathNam", "/opt/tolvane"}, {"OldSetNam", ""}, {"WArrangeMode", "1"}, {"ModeId", "0"},
        {"Show Tips at Startup", "1"}, {"HighCall", "1"}, {"WarnDupl", "1"}, {"StartOld", "0"}}},
      {{{"PathNam", "/sets"}, {"OldSetNam", "/sets/MYSET"}, {"WArrangeMode", "cascade"}, {"ModeId", "3 tabs"},
        {"Show Tips at Startup", "-2"}, {"HighCall", "4.6"}, {"WarnDupl", "6"}, {"StartOld", "-1"}},
       {0, 3, -2, 5, 6, -1},
       {{"PathNam", "/sets"}, {"OldSetNam", "/sets/MYSET"}, {"WArrangeMode", "0"}, {"ModeId", "3"},
        {"Show Tips at Startup", "-2"}, {"HighCall", "5"}, {"WarnDupl", "6"}, {"StartOld", "-1"}}},
  };
  for (const auto& c : cases) {
    MemorySettings in, out;
    in.values = c.stored;
    const Preferences p = ReadPreferences(in, "/opt/tolvane");
    const std::tuple<int, int, int, int, int, int> numbers{p.wArrangeMode, p.modeId, p.showTips,
                                                           p.highCall, p.warnDupl, p.startOld};
    EXPECT_EQ(numbers, c.numbers);
    WritePreferences(out, p);
    EXPECT_EQ(out.writes, c.written);
  }
}

TEST(Preferences, KeptInTheOptionsSectionOfASettingsFile) {
  QTemporaryDir dir;
  const QString ini = dir.path() + "/tolvane.ini";
  {
    Preferences p;
    p.oldSetNam = "/sets/ÄSET";
    p.modeId = 2;
    WritePreferences(*QSettingsStore::AtFile(ini), p);
  }
  auto store = QSettingsStore::AtFile(ini);
  EXPECT_EQ(store->Read("OldSetNam"), std::optional<std::string>("/sets/ÄSET"));
  EXPECT_EQ(store->Read("Missing"), std::nullopt);
  EXPECT_EQ(QSettings(ini, QSettings::IniFormat).value("Options/ModeId").toString(), "2");
}

// Written only at a normal end, whether the frame or a document window ends the run.
TEST(EndOfRun, CancelOnTheSaveQuestionKeepsRunningAndWritesNothing) {
  AppHarness h;
  ASSERT_TRUE(h.Start());
  MainWindow* main = h.App().Main();
  DocumentWindow* doc = h.App().Documents().Window(1);
  doc->SelectTab(kTabSongs);
  h.Ws().MarkModified(1, 2);

  h.ui.Answer(MsgResult::Cancel);
  doc->Menus().fExit->trigger();
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
  EXPECT_EQ(h.settings.writes[0], (Entry{"PathNam", h.Folder().toStdString() + "/DEMO"}));
  EXPECT_EQ(h.settings.writes[1], (Entry{"OldSetNam", h.DemoSet()}));
  EXPECT_EQ(h.settings.writes[3], (Entry{"ModeId", "4"}));
}

}  // namespace
}  // namespace tolvane::test
