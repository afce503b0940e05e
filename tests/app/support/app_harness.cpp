#include "app_harness.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "storage/workspace.h"

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

RecordingUi& RecordingUi::Answer(MsgResult answer) {
  answers_.push_back(answer);
  return *this;
}

RecordingUi& RecordingUi::ChooseFile(const std::string& path) {
  files_.push_back(path);
  return *this;
}

RecordingUi& RecordingUi::Select(int number) {
  selections_.push_back(number);
  return *this;
}

MsgResult RecordingUi::ShowMessage(const MessageRequest& request) {
  messages.push_back(request);
  std::string entry = "message ";
  entry += request.title;
  entry += '|';
  entry += request.text;
  log_.push_back(entry);
  if (answers_.empty()) {
    ++unexpected;
    return MsgResult::Cancel;
  }
  const MsgResult answer = answers_.front();
  answers_.pop_front();
  return answer;
}

FileDialogResult RecordingUi::ChooseFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  std::string entry = "file ";
  entry += request.title;
  log_.push_back(entry);
  FileDialogResult result;
  if (files_.empty()) {
    ++unexpected;
    return result;
  }
  const std::string path = files_.front();
  files_.pop_front();
  if (!path.empty()) {
    result.outcome = FileDialogResult::Outcome::Chosen;
    result.path = path;
  }
  return result;
}

void RecordingUi::PauseWithEvents(double) { QApplication::processEvents(); }

int RecordingUi::NextSelection(const std::string& what) {
  log_.push_back(what);
  if (selections_.empty()) {
    ++unexpected;
    return -1;
  }
  const int n = selections_.front();
  selections_.pop_front();
  return n;
}

int RecordingUi::SelectArrangement(int, int, const std::string& caption) {
  return NextSelection(std::string("select arrangement ").append(caption));
}
int RecordingUi::SelectStyle(int, int, const std::string& caption) {
  return NextSelection(std::string("select style ").append(caption));
}
int RecordingUi::SelectProgram(int, int, const std::string& caption) {
  return NextSelection(std::string("select program ").append(caption));
}

void LoggingShellDialogs::ShowTipOfTheDay(std::int16_t& showTips) {
  log_.push_back("tips");
  if (tipsBoxAfter) showTips = *tipsBoxAfter;
}

std::optional<std::string> MemorySettings::Read(const std::string& key) {
  const auto it = values.find(key);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

void MemorySettings::Write(const std::string& key, const std::string& value) {
  values[key] = value;
  writes.emplace_back(key, value);
}

ProgramFolder::ProgramFolder() {
  const QString data = QStringLiteral(TOLVANE_DATA_DIR);
  CopyTree(data + "/I3EMPTY", dir_.path() + "/I3EMPTY");
  CopyTree(data + "/DEMO", dir_.path() + "/DEMO");
  CopyTree(data + "/help", dir_.path() + "/help");
  QFile::copy(data + "/I3PRSTS.TXT", dir_.path() + "/I3PRSTS.TXT");
  QFile::copy(data + "/I3TIPS.TXT", dir_.path() + "/I3TIPS.TXT");
}

std::string ProgramFolder::DemoSet() const { return (dir_.path() + "/DEMO/DEMO").toStdString(); }

void ProgramFolder::Remove(const QString& relative) { QFile::remove(dir_.path() + "/" + relative); }

AppHarness::AppHarness() = default;

AppHarness::~AppHarness() {
  // Windows closed without the save question: the test decides what is asked.
  if (app_) {
    for (int d = 1; d <= app_->Work().SlotCount(); ++d) app_->Work().Slot(d).modified = {};
  }
  app_.reset();
}

bool AppHarness::Start(bool openDemo, QSize screen) {
  ShellEnvironment env;
  env.programFolder = folder.Path();
  env.screenSize = screen;
  env.ui = &ui;
  env.dialogs = &dialogs;
  env.settings = &settings;
  if (openDemo) {
    settings.values.insert_or_assign("StartOld", std::string(1, '1'));
    settings.values.insert_or_assign("OldSetNam", folder.DemoSet());
    settings.values.try_emplace("Show Tips at Startup", std::string(1, '0'));
  }
  app_ = std::make_unique<Application>(env);
  return app_->Start();
}

}  // namespace tolvane::test
