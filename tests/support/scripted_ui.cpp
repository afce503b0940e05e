#include "scripted_ui.h"

#include <gtest/gtest.h>

namespace tolvane::test {

ScriptedUi::~ScriptedUi() {
  EXPECT_TRUE(script_.empty()) << script_.size() << " scripted answers were never asked for";
  EXPECT_EQ(busyDepth, 0) << "the busy pointer was not restored";
}

ScriptedUi& ScriptedUi::ExpectMessage(const std::string& text, MsgResult answer) {
  Step s;
  s.message.text = text;
  s.message.answer = answer;
  script_.push_back(s);
  return *this;
}

ScriptedUi& ScriptedUi::ExpectBox(const std::string& title, const std::string& text, MsgIcon icon,
                                  MsgButtons buttons, MsgResult defaultButton, MsgResult answer) {
  Step s;
  s.message = ExpectedMessage{text, answer, title, icon, true, buttons, true, defaultButton, true};
  script_.push_back(s);
  return *this;
}

ScriptedUi& ScriptedUi::ExpectFileDialog(const std::string& path) {
  Step s;
  s.isMessage = false;
  s.file.outcome = path.empty() ? FileDialogResult::Outcome::Cancelled : FileDialogResult::Outcome::Chosen;
  s.file.path = path;
  script_.push_back(s);
  return *this;
}

ScriptedUi& ScriptedUi::ExpectFileDialogFailure() {
  Step s;
  s.isMessage = false;
  s.file.outcome = FileDialogResult::Outcome::Failed;
  script_.push_back(s);
  return *this;
}

MsgResult ScriptedUi::ShowMessage(const MessageRequest& request) {
  messages.push_back(request);
  if (script_.empty() || !script_.front().isMessage) {
    ADD_FAILURE() << "unexpected message: " << request.text;
    return MsgResult::Cancel;
  }
  ExpectedMessage e = script_.front().message;
  script_.pop_front();
  EXPECT_EQ(request.text, e.text);
  if (e.title != "\x01") {
    EXPECT_EQ(request.title, e.title) << request.text;
  }
  if (e.checkIcon) {
    EXPECT_EQ(request.icon, e.icon) << request.text;
  }
  if (e.checkButtons) {
    EXPECT_EQ(request.buttons, e.buttons) << request.text;
  }
  if (e.checkDefault) {
    EXPECT_EQ(request.defaultButton, e.defaultButton) << request.text;
  }
  return e.answer;
}

FileDialogResult ScriptedUi::ChooseFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (script_.empty() || script_.front().isMessage || script_.front().isSelection) {
    ADD_FAILURE() << "unexpected file dialog: " << request.title;
    return {};
  }
  FileDialogResult r = script_.front().file;
  script_.pop_front();
  return r;
}

ScriptedUi& ScriptedUi::ExpectSelection(int kind, int answer) {
  Step s;
  s.isMessage = false;
  s.isSelection = true;
  s.selectionKind = kind;
  s.selectionAnswer = answer;
  script_.push_back(s);
  return *this;
}

int ScriptedUi::Select(int kind, int d, int current, const std::string& caption) {
  selections.push_back({kind, d, current, caption});
  if (script_.empty() || !script_.front().isSelection) {
    ADD_FAILURE() << "unexpected selection dialog: " << caption;
    return -1;
  }
  Step s = script_.front();
  script_.pop_front();
  EXPECT_EQ(s.selectionKind, kind) << caption;
  return s.selectionAnswer;
}

void ScriptedUi::SetBusy(bool busy) {
  busyDepth += busy ? 1 : -1;
  busyMax = std::max(busyMax, busyDepth);
}

void ScriptedUi::ShowProgress(const std::string& caption, double, double) {
  progressCaptions.push_back(caption);
  progressValue = 0;
}
void ScriptedUi::AdvanceProgress(double amount) { progressValue += amount; }
void ScriptedUi::HideProgress() {}

void ScriptedUi::OpenDocumentWindow(int d) { events.push_back("open " + std::to_string(d)); }
void ScriptedUi::SetCaption(int d, const std::string& caption) {
  events.push_back("caption " + std::to_string(d) + " " + caption);
}
void ScriptedUi::SetUndoAvailable(int d, bool available) {
  events.push_back("undo " + std::to_string(d) + " " + (available ? "1" : "0"));
}
void ScriptedUi::RefreshKind(int d, int kind) {
  events.push_back("refresh " + std::to_string(d) + " " + std::to_string(kind));
}

void ScriptedUi::ShowItem(int d, int kind, int number) {
  events.push_back("show " + std::to_string(d) + " " + std::to_string(kind) + " " + std::to_string(number));
}
void ScriptedUi::RefreshItem(int d, int kind, int number) {
  events.push_back("cell " + std::to_string(d) + " " + std::to_string(kind) + " " + std::to_string(number));
}

}  // namespace tolvane::test
