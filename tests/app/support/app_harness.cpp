#include "app_harness.h"

#include <QDir>
#include <QFile>

#include "sets/workspace.h"

namespace tolvane::test {

namespace {

void CopyTree(const QString& from, const QString& to) {
  QDir().mkpath(to);
  const QDir source(from);
  for (const QString& name : source.entryList(QDir::Files)) QFile::copy(source.filePath(name), to + "/" + name);
  for (const QString& sub : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    CopyTree(source.filePath(sub), to + "/" + sub);
}

}  // namespace

AppHarness::AppHarness() {
  const QString data = QStringLiteral(TOLVANE_DATA_DIR);
  for (const char* folder : {"I3EMPTY", "DEMO", "help"}) CopyTree(data + "/" + folder, Folder() + "/" + folder);
  for (const char* file : {"I3PRSTS.TXT", "I3TIPS.TXT"}) QFile::copy(data + "/" + file, Folder() + "/" + file);
}

AppHarness::~AppHarness() {
  // Windows closed without the save question: the test decides what is asked.
  for (int d = 1; app_ && d <= Ws().SlotCount(); ++d) Ws().Slot(d).modified = {};
}

bool AppHarness::Start(bool openDemo, QSize screen) {
  if (openDemo) {
    settings.values.insert_or_assign("StartOld", std::string(1, '1'));
    settings.values.insert_or_assign("OldSetNam", DemoSet());
    settings.values.try_emplace("Show Tips at Startup", std::string(1, '0'));
  }
  ShellEnvironment env;
  env.programFolder = Folder();
  env.screenSize = screen;
  env.ui = &ui;
  env.dialogs = &dialogs;
  env.settings = &settings;
  app_ = std::make_unique<Application>(env);
  return app_->Start();
}

}  // namespace tolvane::test
