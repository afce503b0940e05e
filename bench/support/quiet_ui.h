#pragma once
// The ports a benchmark runs the core with: no window, no waiting, and every
// question answered so that the operation goes on the way a user who keeps
// the calls as they are would let it (No to Yes/No questions, OK otherwise).

#include "console_ui.h"

namespace tolvane::bench {

class QuietUi : public ConsoleUi {
 public:
  int messages = 0;  // how many boxes were shown, to tell a refused operation

  MsgResult ShowMessage(const MessageRequest& request) override {
    ++messages;
    const bool yesNo = request.buttons == MsgButtons::YesNo || request.buttons == MsgButtons::YesNoCancel;
    return yesNo ? MsgResult::No : MsgResult::Ok;
  }
  // No replacement is chosen (ConsoleUi): the calls keep their number.
};

}  // namespace tolvane::bench
