#pragma once
// A user interface that answers from a script, records every question with its
// full text, and fails the test when the questions and the script disagree.

#include <deque>
#include <string>
#include <vector>

#include "ports.h"

namespace tolvane::test {

struct ExpectedMessage {
  std::string text;
  MsgResult answer = MsgResult::Ok;
  // Checked only when set.
  std::string title = "\x01";
  MsgIcon icon = MsgIcon::None;
  bool checkIcon = false;
  MsgButtons buttons = MsgButtons::Ok;
  bool checkButtons = false;
  MsgResult defaultButton = MsgResult::Ok;
  bool checkDefault = false;
};

class ScriptedUi : public UserInterface, public DocumentView {
 public:
  ~ScriptedUi() override;

  // Script: the next message must have this text; the answer is returned.
  ScriptedUi& ExpectMessage(const std::string& text, MsgResult answer = MsgResult::Ok);
  // As above, checking title, icon, buttons and default button too.
  ScriptedUi& ExpectBox(const std::string& title, const std::string& text, MsgIcon icon, MsgButtons buttons,
                        MsgResult defaultButton, MsgResult answer);
  // Script: the next file dialog returns this path (empty: cancelled).
  ScriptedUi& ExpectFileDialog(const std::string& path);
  ScriptedUi& ExpectFileDialogFailure();
  // Script: the next selection dialog is of this kind (0 Arrangement, 1 Style,
  // 2 Program) and returns answer.
  ScriptedUi& ExpectSelection(int kind, int answer);

  struct Selection {
    int kind, d, current;
    std::string caption;
  };
  std::vector<Selection> selections;

  // Everything shown, in order.
  std::vector<MessageRequest> messages;
  std::vector<FileDialogRequest> fileDialogs;
  // View calls: "open 1", "caption 1 X", "undo 1 0", "refresh 1 2",
  // "show 1 0 12" (Set, kind, item), "cell 1 0 12".
  std::vector<std::string> events;
  int busyDepth = 0;
  int busyMax = 0;
  std::vector<std::string> progressCaptions;
  double progressValue = 0;

  // True when every scripted answer has been used.
  bool ScriptDone() const { return script_.empty(); }

  // UserInterface
  MsgResult ShowMessage(const MessageRequest& request) override;
  FileDialogResult ChooseFile(const FileDialogRequest& request) override;
  void SetBusy(bool busy) override;
  void ShowProgress(const std::string& caption, double minimum, double maximum) override;
  void AdvanceProgress(double amount) override;
  void HideProgress() override;
  void PauseWithEvents(double) override {}
  int SelectArrangement(int d, int current, const std::string& caption) override {
    return Select(0, d, current, caption);
  }
  int SelectStyle(int d, int current, const std::string& caption) override { return Select(1, d, current, caption); }
  int SelectProgram(int d, int current, const std::string& caption) override {
    return Select(2, d, current, caption);
  }

  // DocumentView
  void OpenDocumentWindow(int d) override;
  void SetCaption(int d, const std::string& caption) override;
  void SetUndoAvailable(int d, bool available) override;
  void RefreshKind(int d, int kind) override;
  void ShowItem(int d, int kind, int number) override;
  void RefreshItem(int d, int kind, int number) override;

 private:
  int Select(int kind, int d, int current, const std::string& caption);

  struct Step {
    bool isMessage = true;
    bool isSelection = false;
    int selectionKind = 0;
    int selectionAnswer = -1;
    ExpectedMessage message;
    FileDialogResult file;
  };
  std::deque<Step> script_;
};

}  // namespace tolvane::test
