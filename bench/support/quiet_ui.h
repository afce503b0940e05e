#pragma once
// The ports a benchmark runs the core with: no window, no waiting, and every
// question answered so that the operation goes on the way a user who keeps
// the calls as they are would let it (No to Yes/No questions, OK otherwise).

#include "ports.h"

namespace tolvane::bench {

class QuietUi : public UserInterface, public DocumentView {
 public:
  int messages = 0;  // how many boxes were shown, to tell a refused operation

  MsgResult ShowMessage(const MessageRequest& request) override {
    ++messages;
    const bool yesNo = request.buttons == MsgButtons::YesNo || request.buttons == MsgButtons::YesNoCancel;
    return yesNo ? MsgResult::No : MsgResult::Ok;
  }
  FileDialogResult ChooseFile(const FileDialogRequest&) override { return {}; }
  void SetBusy(bool) override {}
  void ShowProgress(const std::string&, double, double) override {}
  void AdvanceProgress(double) override {}
  void HideProgress() override {}
  void PauseWithEvents(double) override {}
  // No replacement chosen: the calls keep their number.
  int SelectArrangement(int, int, const std::string&) override { return -1; }
  int SelectStyle(int, int, const std::string&) override { return -1; }
  int SelectProgram(int, int, const std::string&) override { return -1; }
  void OpenDocumentWindow(int) override {}
  void SetCaption(int, const std::string&) override {}
  void SetUndoAvailable(int, bool) override {}
  void RefreshKind(int, int) override {}
};

}  // namespace tolvane::bench
