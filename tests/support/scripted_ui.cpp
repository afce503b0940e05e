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
  s.answer = answer;
  script_.push_back(s);
  return *this;
}

ScriptedUi& ScriptedUi::ExpectBox(const std::string& title, const std::string& text, MsgIcon icon,
                                  MsgButtons buttons, MsgResult defaultButton, MsgResult answer) {
  Step s;
  s.message = MessageRequest{icon, buttons, defaultButton, title, text};
  s.checkBox = true;
  s.answer = answer;
  script_.push_back(s);
  return *this;
}

ScriptedUi& ScriptedUi::ExpectFileDialog(const std::string& path) {
  Step s(StepKind::File);
  s.file.outcome = path.empty() ? FileDialogResult::Outcome::Cancelled : FileDialogResult::Outcome::Chosen;
  s.file.path = path;
  script_.push_back(s);
  return *this;
}

ScriptedUi& ScriptedUi::ExpectFileDialogFailure() {
  Step s(StepKind::File);
  s.file.outcome = FileDialogResult::Outcome::Failed;
  script_.push_back(s);
  return *this;
}

ScriptedUi& ScriptedUi::ExpectSelection(int kind, int answer) {
  Step s(StepKind::Selection);
  s.selectionKind = kind;
  s.selectionAnswer = answer;
  script_.push_back(s);
  return *this;
}

ScriptedUi& ScriptedUi::ExpectChoice(const std::string& answer) {
  Step s(StepKind::Choice);
  s.choice = answer;
  script_.push_back(s);
  return *this;
}

int ScriptedUi::ChooseFromList(const std::string&, const std::string& prompt, const std::vector<std::string>& entries) {
  std::string shown = prompt;
  for (const auto& e : entries) shown += " " + e;
  choices.push_back(shown);
  const auto s = Next(StepKind::Choice, "list: " + shown);
  for (std::size_t i = 0; s && i < entries.size(); ++i)
    if (entries[i] == s->choice) return static_cast<int>(i);
  return -1;
}

std::optional<std::string> ScriptedUi::AskText(const std::string&, const std::string& prompt,
                                               const std::string& initial) {
  choices.push_back(prompt + " " + initial);
  const auto s = Next(StepKind::Choice, "text: " + prompt);
  if (!s || s->choice.empty()) return std::nullopt;
  return s->choice;
}

std::optional<ScriptedUi::Step> ScriptedUi::Next(StepKind kind, const std::string& shown) {
  if (script_.empty() || script_.front().kind != kind) {
    ADD_FAILURE() << "unexpected " << shown;
    return std::nullopt;
  }
  Step s = script_.front();
  script_.pop_front();
  return s;
}

MsgResult ScriptedUi::ShowMessage(const MessageRequest& request) {
  messages.push_back(request);
  if (goOnUnasked && script_.empty()) {
    if (request.buttons == MsgButtons::YesNo) return MsgResult::Yes;
    return request.buttons == MsgButtons::YesNoCancel ? MsgResult::No : MsgResult::Ok;
  }
  const auto s = Next(StepKind::Message, "message: " + request.text);
  if (!s) return MsgResult::Cancel;
  EXPECT_EQ(request.text, s->message.text);
  if (s->checkBox) {
    EXPECT_EQ(request.title, s->message.title) << request.text;
    EXPECT_EQ(request.icon, s->message.icon) << request.text;
    EXPECT_EQ(request.buttons, s->message.buttons) << request.text;
    EXPECT_EQ(request.defaultButton, s->message.defaultButton) << request.text;
  }
  return s->answer;
}

FileDialogResult ScriptedUi::ChooseFile(const FileDialogRequest& request) {
  fileDialogs.push_back(request);
  const auto s = Next(StepKind::File, "file dialog: " + request.title);
  return s ? s->file : FileDialogResult{};
}

int ScriptedUi::Select(int kind, int d, int current, const std::string& caption) {
  selections.push_back(Pair(d, current) + " " + caption);
  const auto s = Next(StepKind::Selection, "selection dialog: " + caption);
  if (!s) return -1;
  EXPECT_EQ(s->selectionKind, kind) << caption;
  return s->selectionAnswer;
}

void ScriptedUi::SetBusy(bool busy) {
  busyDepth += busy ? 1 : -1;
  busyMax = std::max(busyMax, busyDepth);
}

void ScriptedUi::ShowProgress(const std::string& caption, double, double) {
  progressCaptions.push_back(caption);
  progressValue = 0;
}

}  // namespace tolvane::test
