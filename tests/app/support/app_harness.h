#pragma once
// What the widget tests run the editor with: a user interface that answers
// from a script and logs every question, shell dialogs that only log, an
// in-memory settings store, and a program folder of its own with the data
// files beside the program.

#include <QString>
#include <QTemporaryDir>

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ports.h"
#include "shell/application.h"
#include "shell/preferences_store.h"
#include "shell/shell_dialogs.h"

namespace tolvane::test {

// Everything the ports were asked, in order: "about", "tips", "message <title>|<text>",
// "file <title>", "select <kind> <caption>", "options", "help".
using EventLog = std::vector<std::string>;

class RecordingUi : public UserInterface {
 public:
  explicit RecordingUi(EventLog& log) : log_(log) {}

  // The next message is answered so; messages beyond the script get Cancel
  // and are counted as unexpected.
  RecordingUi& Answer(MsgResult answer);
  // The next file dialog returns this path (empty: cancelled).
  RecordingUi& ChooseFile(const std::string& path);
  RecordingUi& Select(int number);

  std::vector<MessageRequest> messages;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> progressCaptions;
  int unexpected = 0;
  int busyDepth = 0;

  MsgResult ShowMessage(const MessageRequest& request) override;
  FileDialogResult ChooseFile(const FileDialogRequest& request) override;
  void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
  void ShowProgress(const std::string& caption, double, double) override { progressCaptions.push_back(caption); }
  void AdvanceProgress(double) override {}
  void HideProgress() override {}
  // Only what is pending runs: the tests do not wait.
  void PauseWithEvents(double) override;
  int SelectArrangement(int d, int current, const std::string& caption) override;
  int SelectStyle(int d, int current, const std::string& caption) override;
  int SelectProgram(int d, int current, const std::string& caption) override;

 private:
  int NextSelection(const std::string& what);
  EventLog& log_;
  std::deque<MsgResult> answers_;
  std::deque<std::string> files_;
  std::deque<int> selections_;
};

class LoggingShellDialogs : public ShellDialogs {
 public:
  explicit LoggingShellDialogs(EventLog& log) : log_(log) {}
  // The value the tip dialog's box is left at.
  std::optional<std::int16_t> tipsBoxAfter;
  void ShowAbout() override { log_.push_back("about"); }
  void ShowTipOfTheDay(std::int16_t& showTips) override;
  void ShowOptions(Preferences&) override { log_.push_back("options"); }
  void ShowHelp() override { log_.push_back("help"); }

 private:
  EventLog& log_;
};

class MemorySettings : public SettingsStore {
 public:
  std::map<std::string, std::string> values;
  std::vector<std::pair<std::string, std::string>> writes;  // in the order written
  std::optional<std::string> Read(const std::string& key) override;
  void Write(const std::string& key, const std::string& value) override;
};

// A program folder with I3EMPTY, I3PRSTS.TXT, I3TIPS.TXT and the DEMO Set.
class ProgramFolder {
 public:
  ProgramFolder();
  QString Path() const { return dir_.path(); }
  std::string DemoSet() const;  // folder/DEMO
  void Remove(const QString& relative);

 private:
  QTemporaryDir dir_;
};

// The editor over the scripted ports.
class AppHarness {
 public:
  AppHarness();
  ~AppHarness();

  // Start-up with the given screen; the DEMO Set opens at once when `openDemo`.
  bool Start(bool openDemo = true, QSize screen = QSize(1280, 1024));
  Application& App() { return *app_; }
  Workspace& Ws() { return app_->Work(); }

  EventLog log;
  RecordingUi ui{log};
  LoggingShellDialogs dialogs{log};
  MemorySettings settings;
  ProgramFolder folder;

 private:
  std::unique_ptr<Application> app_;
};

}  // namespace tolvane::test
