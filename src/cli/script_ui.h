#pragma once
// The ports for a script: questions and selection dialogs take the queued
// answers, file dialogs the path the command names, and messages go to
// standard error. A question that finds no answer stops the script.

#include <deque>
#include <optional>
#include <ostream>
#include <string>

#include "ports.h"

namespace tolvane {

class ScriptUi : public UserInterface, public DocumentView {
 public:
  explicit ScriptUi(std::ostream& err) : err_(err) {}

  // Answers for questions that find none queued (--yes, --no); selection
  // dialogs never take it.
  std::optional<bool> answerAll;
  std::deque<std::string> answers;
  // What the next file dialog returns; a dialog without one is cancelled.
  std::optional<std::string> nextFile;
  // The line being carried out, for the messages.
  int line = 0;
  // Set when a question or dialog found no answer; the script stops.
  std::optional<std::string> stopped;

  MsgResult ShowMessage(const MessageRequest& request) override;
  FileDialogResult ChooseFile(const FileDialogRequest& request) override;
  void SetBusy(bool) override {}
  void ShowProgress(const std::string&, double, double) override {}
  void AdvanceProgress(double) override {}
  void HideProgress() override {}
  void PauseWithEvents(double) override {}
  int SelectArrangement(int, int, const std::string& caption) override;
  int SelectStyle(int, int, const std::string& caption) override;
  int SelectProgram(int, int, const std::string& caption) override;

  void OpenDocumentWindow(int) override {}
  void SetCaption(int, const std::string&) override {}
  void SetUndoAvailable(int, bool) override {}
  void RefreshKind(int, int) override {}

  // A message of the script itself, with its line.
  void Say(const std::string& text);

 private:
  int Select(int kind, const std::string& caption);
  // Stops the script at the question `text`; `why` says what was missing.
  void Stop(const std::string& why, const std::string& text);

  std::ostream& err_;
};

}  // namespace tolvane
