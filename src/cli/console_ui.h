#pragma once
// The ports for a front end without windows: messages go to standard error,
// questions are answered with their safe choice, and no file is ever chosen.

#include <string>

#include "ports.h"

namespace tolvane {

class ConsoleUi : public UserInterface, public DocumentView {
 public:
  // Number of error messages shown so far.
  int errors = 0;
  // Put before every message, so that it names the Set or file concerned.
  std::string prefix;

  MsgResult ShowMessage(const MessageRequest& request) override;
  FileDialogResult ChooseFile(const FileDialogRequest&) override { return {}; }
  void SetBusy(bool) override {}
  void ShowProgress(const std::string&, double, double) override {}
  void AdvanceProgress(double) override {}
  void HideProgress() override {}
  void PauseWithEvents(double) override {}
  int SelectArrangement(int, int, const std::string&) override { return -1; }
  int SelectStyle(int, int, const std::string&) override { return -1; }
  int SelectProgram(int, int, const std::string&) override { return -1; }

  void OpenDocumentWindow(int) override {}
  void SetCaption(int, const std::string&) override {}
  void SetUndoAvailable(int, bool) override {}
  void RefreshKind(int, int) override {}
};

}  // namespace tolvane
