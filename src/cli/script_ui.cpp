#include "script_ui.h"

#include "item_labels.h"
#include "storage/tables.h"

namespace tolvane {

namespace {

// The text of a message box as lines, without the CR of its line ends.
std::string Plain(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

std::optional<MsgResult> AnswerFor(MsgButtons buttons, const std::string& word) {
  const bool yesNo = buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel;
  if (yesNo && word == "yes") return MsgResult::Yes;
  if (yesNo && word == "no") return MsgResult::No;
  if (!yesNo && word == "ok") return MsgResult::Ok;
  if (buttons != MsgButtons::YesNo && word == "cancel") return MsgResult::Cancel;
  return std::nullopt;
}

// What abandons the question's edit when the script cannot answer it.
MsgResult Abandon(MsgButtons buttons) { return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel; }

}  // namespace

void ScriptUi::Say(const std::string& text) {
  err_ << "tolvane-cli: ";
  if (line > 0) err_ << "line " << line << ": ";
  err_ << text << '\n';
}

void ScriptUi::Stop(const std::string& why, const std::string& text) {
  if (stopped) return;
  stopped = why;
  Say(why + ":\n" + Plain(text));
}

MsgResult ScriptUi::ShowMessage(const MessageRequest& request) {
  if (request.buttons == MsgButtons::Ok) {
    Say(Plain(request.text));
    return MsgResult::Ok;
  }
  if (stopped) return Abandon(request.buttons);
  if (answers.empty() && answerAll) {
    const bool okCancel = request.buttons == MsgButtons::OkCancel;
    if (*answerAll) return okCancel ? MsgResult::Ok : MsgResult::Yes;
    return okCancel ? MsgResult::Cancel : MsgResult::No;
  }
  if (answers.empty()) {
    Stop("no answer for the question", request.text);
    return Abandon(request.buttons);
  }
  const std::string word = answers.front();
  answers.pop_front();
  if (const auto answer = AnswerFor(request.buttons, word)) return *answer;
  Stop("'" + word + "' does not answer the question", request.text);
  return Abandon(request.buttons);
}

FileDialogResult ScriptUi::ChooseFile(const FileDialogRequest&) {
  if (!nextFile) return {};
  FileDialogResult chosen{FileDialogResult::Outcome::Chosen, *nextFile};
  nextFile.reset();
  return chosen;
}

int ScriptUi::Select(int kind, const std::string& caption) {
  if (stopped) return -1;
  if (answers.empty()) {
    Stop("no item chosen in the dialog", caption);
    return -1;
  }
  const std::string word = answers.front();
  answers.pop_front();
  if (word == "cancel") return -1;
  const int number = NumberOfLabel(kind, word);
  if (number < 0) Stop("'" + word + "' is no " + KindName(kind) + " for the dialog", caption);
  return number;
}

int ScriptUi::SelectArrangement(int, int, const std::string& caption) { return Select(kArrangement, caption); }
int ScriptUi::SelectStyle(int, int, const std::string& caption) { return Select(kStyle, caption); }
int ScriptUi::SelectProgram(int, int, const std::string& caption) { return Select(kProgram, caption); }

}  // namespace tolvane
