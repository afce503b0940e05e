#pragma once
// A user interface that answers from a script, records every question with its
// full text, and fails the test when the questions and the script disagree.

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ports.h"

namespace tolvane::test {

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
  // 2 Program) and returns answer (-1: cancelled).
  ScriptedUi& ExpectSelection(int kind, int answer);
  // Script: the next list choice picks the entry `answer`, or the next text
  // asked for is `answer`; empty cancels either.
  ScriptedUi& ExpectChoice(const std::string& answer);

  // When set, a message nobody scripted is answered as a user going on
  // without changing anything more would: Yes to a Yes/No question, No to
  // a Yes/No/Cancel one, OK otherwise.
  bool goOnUnasked = false;

  // Everything shown, in order; selection dialogs as "d current caption".
  std::vector<MessageRequest> messages;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> selections;
  // List choices and texts asked for: prompt, then the entries.
  std::vector<std::string> choices;
  // View calls: "open 1", "caption 1 X", "undo 1 0", "refresh 1 2",
  // "show 1 0 12" (Set, kind, item), "cell 1 0 12".
  std::vector<std::string> events;
  // A view call ("show", "cell", "refresh") that fails once with an
  // exception, standing for an unexpected failure in the middle of an edit.
  std::string failOn;
  int busyDepth = 0;
  int busyMax = 0;
  std::vector<std::string> progressCaptions;
  double progressValue = 0;

  // UserInterface
  MsgResult ShowMessage(const MessageRequest& request) override;
  FileDialogResult ChooseFile(const FileDialogRequest& request) override;
  void SetBusy(bool busy) override;
  void ShowProgress(const std::string& caption, double minimum, double maximum) override;
  void AdvanceProgress(double amount) override { progressValue += amount; }
  void HideProgress() override {}
  void PauseWithEvents(double) override {}
  int SelectArrangement(int d, int current, const std::string& caption) override {
    return Select(0, d, current, caption);
  }
  int SelectStyle(int d, int current, const std::string& caption) override { return Select(1, d, current, caption); }
  int SelectProgram(int d, int current, const std::string& caption) override {
    return Select(2, d, current, caption);
  }
  int ChooseFromList(const std::string& title, const std::string& prompt,
                     const std::vector<std::string>& entries) override;
  std::optional<std::string> AskText(const std::string& title, const std::string& prompt,
                                     const std::string& initial) override;

  // DocumentView
  void OpenDocumentWindow(int d) override { Event("open", d); }
  void SetCaption(int d, const std::string& caption) override { Event("caption", d, caption); }
  void SetUndoAvailable(int d, bool available) override { Event("undo", d, available ? "1" : "0"); }
  void RefreshKind(int d, int kind) override { Event("refresh", d, std::to_string(kind)); }
  void ShowItem(int d, int kind, int number) override { Event("show", d, Pair(kind, number)); }
  void RefreshItem(int d, int kind, int number) override { Event("cell", d, Pair(kind, number)); }

 private:
  enum class StepKind { Message, File, Selection, Choice };
  struct Step {
    explicit Step(StepKind k = StepKind::Message) : kind(k) {}
    StepKind kind;
    MessageRequest message;
    bool checkBox = false;  // title, icon and buttons too
    MsgResult answer = MsgResult::Ok;
    FileDialogResult file;
    int selectionKind = 0, selectionAnswer = -1;
    std::string choice;
  };
  // The next scripted step if it is of this kind; otherwise the test fails.
  std::optional<Step> Next(StepKind kind, const std::string& shown);
  int Select(int kind, int d, int current, const std::string& caption);
  static std::string Pair(int a, int b) { return std::to_string(a) + " " + std::to_string(b); }
  void Event(const std::string& what, int d, const std::string& rest = "") {
    events.push_back(what + " " + std::to_string(d) + (rest.empty() ? "" : " " + rest));
    if (what != failOn) return;
    failOn.clear();
    throw std::runtime_error("injected failure");
  }

  std::deque<Step> script_;
};

}  // namespace tolvane::test
