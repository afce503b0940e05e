#pragma once
// What the widget tests run the editor with: a user interface that answers
// from a script and logs every question, shell dialogs that only log, an
// in-memory settings store, and a program folder of its own with the data
// files beside the program.

#include <QCoreApplication>
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

  // The scripted answers, taken in order. A question beyond the script is
  // counted as unexpected and gets Cancel, a cancelled file dialog or -1.
  RecordingUi& Answer(MsgResult answer) { return Push(answers_, answer); }
  // An empty path cancels the file dialog.
  RecordingUi& ChooseFile(const std::string& path) { return Push(files_, path); }
  RecordingUi& Select(int number) { return Push(selections_, number); }
  // The entry chosen from a list; -1 cancels.
  RecordingUi& Choose(int index) { return Push(choices_, index); }

  std::vector<MessageRequest> messages;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> progressCaptions;
  int unexpected = 0;
  int busyDepth = 0;

  MsgResult ShowMessage(const MessageRequest& request) override {
    messages.push_back(request);
    log_.push_back("message " + request.title + "|" + request.text);
    return Next(answers_, MsgResult::Cancel);
  }
  FileDialogResult ChooseFile(const FileDialogRequest& request) override {
    fileDialogs.push_back(request);
    log_.push_back("file " + request.title);
    const std::string path = Next(files_, std::string());
    return {path.empty() ? FileDialogResult::Outcome::Cancelled : FileDialogResult::Outcome::Chosen, path};
  }
  void SetBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
  void ShowProgress(const std::string& caption, double, double) override { progressCaptions.push_back(caption); }
  void AdvanceProgress(double) override {}
  void HideProgress() override {}
  // Only what is pending runs: the tests do not wait.
  void PauseWithEvents(double) override { QCoreApplication::processEvents(); }
  int SelectArrangement(int, int, const std::string& caption) override { return Pick("arrangement " + caption); }
  int SelectStyle(int, int, const std::string& caption) override { return Pick("style " + caption); }
  int SelectProgram(int, int, const std::string& caption) override { return Pick("program " + caption); }
  int ChooseFromList(const std::string& title, const std::string& prompt,
                     const std::vector<std::string>& entries) override {
    std::string line = "list " + title + "|" + prompt;
    for (const std::string& entry : entries) line += "|" + entry;
    log_.push_back(line);
    return Next(choices_, -1);
  }

 private:
  template <class T>
  RecordingUi& Push(std::deque<T>& script, T value) {
    script.push_back(std::move(value));
    return *this;
  }
  template <class T>
  T Next(std::deque<T>& script, T otherwise) {
    if (script.empty()) {
      ++unexpected;
      return otherwise;
    }
    T value = std::move(script.front());
    script.pop_front();
    return value;
  }
  int Pick(const std::string& what) {
    log_.push_back("select " + what);
    return Next(selections_, -1);
  }

  EventLog& log_;
  std::deque<MsgResult> answers_;
  std::deque<std::string> files_;
  std::deque<int> selections_;
  std::deque<int> choices_;
};

class LoggingShellDialogs : public ShellDialogs {
 public:
  explicit LoggingShellDialogs(EventLog& log) : log_(log) {}
  // The value the tip dialog's box is left at.
  std::optional<std::int16_t> tipsBoxAfter;
  void ShowAbout() override { log_.push_back("about"); }
  void ShowTipOfTheDay(std::int16_t& showTips) override {
    log_.push_back("tips");
    if (tipsBoxAfter) showTips = *tipsBoxAfter;
  }
  void ShowOptions(Preferences&) override { log_.push_back("options"); }
  void ShowHelp() override { log_.push_back("help"); }

 private:
  EventLog& log_;
};

class MemorySettings : public SettingsStore {
 public:
  std::map<std::string, std::string> values;
  std::vector<std::pair<std::string, std::string>> writes;  // in the order written
  std::optional<std::string> Read(const std::string& key) override {
    const auto it = values.find(key);
    return it == values.end() ? std::nullopt : std::optional(it->second);
  }
  void Write(const std::string& key, const std::string& value) override {
    values[key] = value;
    writes.emplace_back(key, value);
  }
};

// The editor over the scripted ports, in a program folder of its own with
// I3EMPTY, I3PRSTS.TXT, I3TIPS.TXT, help and the DEMO Set.
class AppHarness {
 public:
  AppHarness();
  ~AppHarness();

  // Start-up with the given screen; the DEMO Set opens at once when `openDemo`.
  bool Start(bool openDemo = true, QSize screen = QSize(1280, 1024));
  Application& App() { return *app_; }
  Workspace& Ws() { return app_->Work(); }
  QString Folder() const { return folder_.path(); }
  std::string DemoSet() const { return (folder_.path() + "/DEMO/DEMO").toStdString(); }

  EventLog log;
  RecordingUi ui{log};
  LoggingShellDialogs dialogs{log};
  MemorySettings settings;

 private:
  QTemporaryDir folder_;
  std::unique_ptr<Application> app_;
};

}  // namespace tolvane::test
